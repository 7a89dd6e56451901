-- Views, procedures, functions and triggers of a venue database.
-- This file also runs at every schema upgrade, after the upgrade statements,
-- so everything here can be run again on a database that already has it.
-- Rules for this file (the maintenance tool runs it line by line): lower-case
-- delimiter lines, every statement ends with its delimiter at the end of a
-- line, no semicolon inside a string literal or a comment, no USE line.
--
-- Keys of new rows: every procedure that creates rows leaves their keys in
-- session variables (@ovix_mozgas, @ovix_rendeles, @ovix_rendeles_sor,
-- @ovix_ugyfel_jegy, @ovix_kassza), set to NULL when the call creates no such
-- row. A desk reads them on its own connection right after the CALL, which
-- no other desk can disturb, instead of a table maximum.
--
-- Locking: procedures that change passes, orders, movements or the cash desk
-- run their own transaction and lock the rows they decide on with
-- SELECT ... FOR UPDATE. Their START TRANSACTION commits whatever the caller
-- had open, which is harmless because the desks never open a transaction.
-- Refusals are SIGNAL SQLSTATE '45000' with a Hungarian message, and every
-- error rolls the whole call back.

-- Literals of the views, routines and rows compare and join in the column
-- collation, whatever the client's own character set (the maintenance tool
-- and the command-line client then create the same objects).
SET collation_connection = 'latin2_hungarian_ci';

-- Columns the procedures keep beyond those the programs read. storno marks a
-- reversed movement, eredeti points from a reversing movement to the one it
-- reverses, rendeles_sor links a sale to its order line, ugyfel_jegy names
-- the pass an entry used and vanmeg the occasions left after the entry.
ALTER TABLE mozgas
 ADD COLUMN IF NOT EXISTS storno CHAR(1) NOT NULL DEFAULT 'N',
 ADD COLUMN IF NOT EXISTS eredeti INT,
 ADD COLUMN IF NOT EXISTS rendeles_sor INT,
 ADD COLUMN IF NOT EXISTS ugyfel_jegy INT,
 ADD COLUMN IF NOT EXISTS vanmeg DOUBLE,
 ADD INDEX IF NOT EXISTS idx_rendeles_sor (rendeles_sor),
 ADD INDEX IF NOT EXISTS idx_eredeti (eredeti);

-- The kind a pass was sold as (0 per occasion, 1 to 3 weekly, monthly,
-- yearly), kept with the pass so that a later product edit does not change
-- how entries use it.
ALTER TABLE ugyfel_jegy ADD COLUMN IF NOT EXISTS berlettip INT NOT NULL DEFAULT 0;

-- The balance after the entry over every earlier entry in key order, so
-- that a period list needs no running sum. The insert trigger below fills
-- it from the running total kept in kassza_egyenleg, unless the row brings
-- its own (a dump being loaded back).
ALTER TABLE kassza ADD COLUMN IF NOT EXISTS egyenleg DOUBLE;

CREATE TABLE IF NOT EXISTS kassza_egyenleg (
 kassza_egyenleg INT NOT NULL,
 egyenleg DOUBLE NOT NULL DEFAULT 0,
 PRIMARY KEY (kassza_egyenleg)
) ENGINE=InnoDB;

-- Brings the stored balances of an upgraded database in line.
UPDATE kassza k
JOIN (SELECT kassza, SUM(IFNULL(osszeg, 0)) OVER (ORDER BY kassza) AS e FROM kassza) s ON s.kassza = k.kassza
SET k.egyenleg = s.e
WHERE NOT (k.egyenleg <=> s.e);

INSERT INTO kassza_egyenleg (kassza_egyenleg, egyenleg)
SELECT 1, IFNULL(SUM(IFNULL(osszeg, 0)), 0) FROM kassza
ON DUPLICATE KEY UPDATE egyenleg = VALUES(egyenleg);

-- Types the procedures write. 'S' sale and 'T' its reversal (whose amount is
-- already negated) go to the cash desk at the amount times szorzo, 'B' pass
-- entries do not.
INSERT IGNORE INTO prntip (prntip, prntip_nev, szorzo, kellkassza)
VALUES ('B', 'Bérletes belépés', 0, 'N'),
 ('S', 'Eladás', 1, 'I'),
 ('T', 'Sztornó', 1, 'I');

-- Cash entries booked from movements: 'E' sales, 'V' their reversals.
INSERT IGNORE INTO kasszatip (kasszatip, kasszatip_nev, szorzo)
VALUES ('E', 'Eladás', 1),
 ('V', 'Sztornó', 1);

delimiter $$

DROP FUNCTION IF EXISTS fn_ean8checksum $$
-- The first 7 digits in, the 8-digit code out. Anything else gives NULL.
CREATE FUNCTION fn_ean8checksum(pkod VARCHAR(20)) RETURNS VARCHAR(8) DETERMINISTIC
BEGIN
  DECLARE i INT DEFAULT 1;
  DECLARE osszeg INT DEFAULT 0;
  IF pkod IS NULL OR pkod NOT REGEXP '^[0-9]{7}$' THEN
    RETURN NULL;
  END IF;
  WHILE i <= 7 DO
    SET osszeg = osszeg + CAST(SUBSTRING(pkod, i, 1) AS UNSIGNED) * IF(i % 2 = 1, 3, 1);
    SET i = i + 1;
  END WHILE;
  RETURN CONCAT(pkod, (10 - osszeg % 10) % 10);
END $$

DROP FUNCTION IF EXISTS fn_ftstr $$
-- An amount as the desk prints it: blank thousands separator, decimals only
-- when there are any ("1 350", "849,15").
CREATE FUNCTION fn_ftstr(posszeg DOUBLE) RETURNS VARCHAR(30) DETERMINISTIC
BEGIN
  IF posszeg IS NULL THEN
    RETURN '';
  END IF;
  RETURN REPLACE(REPLACE(FORMAT(posszeg, IF(ROUND(posszeg) = ROUND(posszeg, 2), 0, 2)), ',', ' '), '.', ',');
END $$

DROP TRIGGER IF EXISTS tr_kassza_egyenleg $$
-- Every cash entry, from any procedure or statement, gets its balance here.
-- The lock on the running total puts concurrent entries in order.
CREATE TRIGGER tr_kassza_egyenleg BEFORE INSERT ON kassza FOR EACH ROW
BEGIN
  DECLARE v_elozo DOUBLE DEFAULT NULL;
  SET NEW.osszeg = IFNULL(NEW.osszeg, 0);
  IF NEW.egyenleg IS NULL THEN
    SELECT egyenleg INTO v_elozo FROM kassza_egyenleg WHERE kassza_egyenleg = 1 FOR UPDATE;
    IF v_elozo IS NULL THEN
      SIGNAL SQLSTATE '45000' SET MESSAGE_TEXT = 'Hiányzik a kassza egyenleg sora.';
    END IF;
    SET NEW.egyenleg = v_elozo + NEW.osszeg;
    UPDATE kassza_egyenleg SET egyenleg = NEW.egyenleg WHERE kassza_egyenleg = 1;
  END IF;
END $$

DROP TRIGGER IF EXISTS tr_kasszatip_kod $$
-- A cash type posted without a code gets the first free letter or digit.
CREATE TRIGGER tr_kasszatip_kod BEFORE INSERT ON kasszatip FOR EACH ROW
BEGIN
  DECLARE v_kodok VARCHAR(36) DEFAULT 'ABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789';
  DECLARE i INT DEFAULT 1;
  IF NEW.kasszatip IS NULL OR NEW.kasszatip = '' OR NEW.kasszatip = ' ' THEN
    SET NEW.kasszatip = NULL;
    WHILE NEW.kasszatip IS NULL AND i <= LENGTH(v_kodok) DO
      IF NOT EXISTS (SELECT 1 FROM kasszatip WHERE kasszatip = SUBSTRING(v_kodok, i, 1)) THEN
        SET NEW.kasszatip = SUBSTRING(v_kodok, i, 1);
      END IF;
      SET i = i + 1;
    END WHILE;
    IF NEW.kasszatip IS NULL THEN
      SIGNAL SQLSTATE '45000' SET MESSAGE_TEXT = 'Nincs több szabad kassza típus kód.';
    END IF;
  END IF;
  IF NEW.szorzo IS NULL THEN
    SET NEW.szorzo = 1;
  END IF;
END $$

DROP TRIGGER IF EXISTS tr_egyszeri_egyszer $$
-- A one-time ticket admits once: marking a used ticket used again (a second
-- desk scanning the same code at the same moment) is refused. Filling in the
-- code of a new ticket changes ean and stays allowed.
CREATE TRIGGER tr_egyszeri_egyszer BEFORE UPDATE ON egyszeri FOR EACH ROW
BEGIN
  IF OLD.felhasznalva = 'I' AND NEW.felhasznalva = 'I' AND NEW.ean <=> OLD.ean THEN
    SIGNAL SQLSTATE '45000' SET MESSAGE_TEXT = 'A jegyet már felhasználták.';
  END IF;
END $$

delimiter ;

-- Guests that are not deleted, without the cash-sale guest. db is the total
-- of the occasions left on passes that have not expired.
CREATE OR REPLACE VIEW vw_ugyfel AS
SELECT u.ugyfel, u.ugyfel_nev, u.kartya, u.telefon, u.emil, u.torolve, u.felhasznalo, u.rogzitve,
 CAST((SELECT IFNULL(SUM(uj.db), 0) FROM ugyfel_jegy uj WHERE uj.ugyfel = u.ugyfel AND uj.lejarat >= CURDATE())
  AS DOUBLE) AS db,
 u.megjegyzes
FROM ugyfel u
WHERE u.torolve = 'N' AND NOT EXISTS (SELECT 1 FROM beallit b WHERE b.kasszaugyfel = u.ugyfel);

CREATE OR REPLACE VIEW vw_ugyfel_jegy AS
SELECT uj.ugyfel_jegy, uj.ugyfel, uj.jegy, j.jegy_nev, uj.lejarat, uj.db
FROM ugyfel_jegy uj
LEFT JOIN jegy j ON j.jegy = uj.jegy;

CREATE OR REPLACE VIEW vw_ugyfeljegy AS
SELECT u.ugyfel, u.kartya, u.ugyfel_nev, j.jegy_nev, uj.lejarat, uj.db
FROM ugyfel_jegy uj
JOIN ugyfel u ON u.ugyfel = uj.ugyfel
LEFT JOIN jegy j ON j.jegy = uj.jegy
WHERE u.torolve = 'N';

-- perar: the price of one occasion of a per-occasion pass, else the price.
-- sorstr: what the product gives, at most 65 characters.
CREATE OR REPLACE VIEW vw_termek AS
SELECT t.termek, t.termek_nev, t.ezberlet, t.jegy, t.db, t.ar, j.jegy_nev, bt.berlettip_nev,
 CAST(IF(t.ezberlet = 'I' AND IFNULL(t.berlettip, 0) = 0 AND t.db > 0, t.ar / t.db, t.ar) AS DOUBLE) AS perar,
 CAST(LEFT(CASE
  WHEN t.ezberlet = 'I' AND IFNULL(t.berlettip, 0) = 0
   THEN CONCAT(IFNULL(j.jegy_nev, ''), ' - ', IFNULL(t.db, 0), ' alkalom, ', IFNULL(j.lejarat, 0), ' napig')
  WHEN t.ezberlet = 'I' THEN CONCAT(IFNULL(j.jegy_nev, ''), ' - ', IFNULL(bt.berlettip_nev, ''), ' bérlet')
  WHEN t.egyszeri = 'I' THEN 'Egyszeri belépőjegy'
  ELSE '' END, 65) AS CHAR(65)) AS sorstr,
 t.vankedv
FROM termek t
LEFT JOIN jegy j ON j.jegy = t.jegy
LEFT JOIN berlettip bt ON bt.berlettip = t.berlettip
WHERE t.torolve = 'N';

CREATE OR REPLACE VIEW vw_csaktermek AS
SELECT * FROM vw_termek WHERE IFNULL(ezberlet, 'N') <> 'I';

-- sorstr: quantity and unit price, at most 33 characters.
CREATE OR REPLACE VIEW vw_rendeles_sor AS
SELECT rs.rendeles_sor, rs.rendeles, rs.termek, rs.db, rs.egysar, rs.megjegyzes, rs.felhasznalo, rs.rogzitve,
 t.termek_nev, t.ezberlet,
 CAST(IFNULL(rs.db, 0) * IFNULL(rs.egysar, 0) AS DOUBLE) AS osszar,
 CAST(LEFT(CONCAT(IFNULL(rs.db, 0), ' x ', fn_ftstr(IFNULL(rs.egysar, 0)), ' Ft'), 33) AS CHAR(33)) AS sorstr,
 t.egyszeri
FROM rendeles_sor rs
LEFT JOIN termek t ON t.termek = rs.termek;

-- One row per order line for the receipt.
CREATE OR REPLACE VIEW vw_rendeles AS
SELECT r.rendeles, rs.rendeles_sor, r.ugyfel,
 CAST(CONCAT('Rendelés: ', LPAD(r.rendeles, 8, '0'), ' (', IFNULL(DATE_FORMAT(r.datum, '%Y.%m.%d'), ''), ')')
  AS CHAR(40)) AS rendelesazon,
 t.termek_nev,
 CAST(LEFT(CONCAT(IFNULL(rs.db, 0), ' x ', fn_ftstr(IFNULL(rs.egysar, 0)), ' Ft'), 33) AS CHAR(33)) AS sorx,
 CAST(CONCAT(fn_ftstr(IFNULL(rs.db, 0) * IFNULL(rs.egysar, 0)), ' Ft') AS CHAR(33)) AS sorarstr,
 CAST(IFNULL(rs.db, 0) * IFNULL(rs.egysar, 0) AS DOUBLE) AS sorar,
 (SELECT tu.tulajdonos FROM tulajdonos tu LIMIT 1) AS tulajdonos
FROM rendeles r
JOIN rendeles_sor rs ON rs.rendeles = r.rendeles
LEFT JOIN termek t ON t.termek = rs.termek;

-- mozgasstr: the document number in 8 digits. tetel: the ticket type of an
-- entry, else the product, else (a reversed entry) the original's type.
CREATE OR REPLACE VIEW vw_mozgas AS
SELECT m.mozgas, CAST(LPAD(m.mozgas, 8, '0') AS CHAR(8)) AS mozgasstr, u.ugyfel_nev,
 COALESCE(j.jegy_nev, t.termek_nev, ej.jegy_nev) AS tetel,
 m.datum, m.ar, m.storno, m.prntip, m.rogzitve
FROM mozgas m
LEFT JOIN ugyfel u ON u.ugyfel = m.ugyfel
LEFT JOIN jegy j ON j.jegy = m.jegy
LEFT JOIN termek t ON t.termek = m.termek
LEFT JOIN mozgas e ON e.mozgas = m.eredeti
LEFT JOIN jegy ej ON ej.jegy = e.jegy;

-- Entries with a pass that have not been reversed.
CREATE OR REPLACE VIEW vw_felhasznal AS
SELECT m.mozgas, m.ugyfel, u.kartya, u.ugyfel_nev, m.jegy, j.jegy_nev, m.datum, m.rogzitve
FROM mozgas m
LEFT JOIN ugyfel u ON u.ugyfel = m.ugyfel
LEFT JOIN jegy j ON j.jegy = m.jegy
WHERE m.prntip = 'B' AND m.storno = 'N';

-- vanmeg is written by sp_belep after it has taken the units.
CREATE OR REPLACE VIEW vw_jegynyomtat AS
SELECT m.mozgas, u.kartya, u.ugyfel_nev, j.jegy_nev, m.rogzitve, CAST(IFNULL(m.vanmeg, 0) AS DOUBLE) AS vanmeg
FROM mozgas m
LEFT JOIN ugyfel u ON u.ugyfel = m.ugyfel
LEFT JOIN jegy j ON j.jegy = m.jegy;

CREATE OR REPLACE VIEW vw_egyszeri AS
SELECT e.egyszeri, e.termek, e.ean, e.dat_kiadva, e.dat_felhasznalva, e.felhasznalva, t.termek_nev
FROM egyszeri e
LEFT JOIN termek t ON t.termek = e.termek;

-- osszeg is stored signed, egyenleg is the balance after the entry, so every
-- column is right whatever period the list is narrowed to.
CREATE OR REPLACE VIEW vw_kassza AS
SELECT k.kassza, k.kasszatip, kt.kasszatip_nev, k.mozgas, k.datum, k.szoveg,
 k.egyenleg - k.osszeg AS nyito, k.osszeg, k.egyenleg AS zaro,
 GREATEST(k.osszeg, 0) AS bevetel, LEAST(k.osszeg, 0) AS kiadas,
 k.felhasznalo, k.rogzitve
FROM kassza k
LEFT JOIN kasszatip kt ON kt.kasszatip = k.kasszatip;

-- cimstr: postal code, city and street on one line, at most 255 characters.
CREATE OR REPLACE VIEW vw_ugyfel_megjegyzes AS
SELECT um.ugyfel_megjegyzes, um.ugyfel, um.rovid, um.datum, u.ugyfel_nev, u.kartya, u.telefon,
 CAST(LEFT(CONCAT_WS(' ', NULLIF(TRIM(u.irsz), ''), NULLIF(TRIM(u.varos), ''), NULLIF(TRIM(u.cim), '')), 255)
  AS CHAR(255)) AS cimstr,
 um.felhasznalo, um.rogzitve, um.megjegyzes
FROM ugyfel_megjegyzes um
JOIN ugyfel u ON u.ugyfel = um.ugyfel
WHERE u.torolve = 'N';

delimiter $$

DROP PROCEDURE IF EXISTS sp_belep $$
-- An entry with a pass of ticket type pjegy for the guest of card pkartya.
-- Units: 0 or NULL (an empty unit box) count as 1, a negative number is
-- refused. A valid weekly, monthly or yearly pass admits without taking
-- anything. Otherwise the units come off the per-occasion pass that expires
-- first among those holding enough of them. When none holds enough the entry
-- is refused and nothing changes, so db never goes below 0. The movement
-- records the units taken and in vanmeg the occasions of this ticket type
-- the guest has left afterwards.
CREATE PROCEDURE sp_belep(IN pjegy INT, IN pkartya VARCHAR(255), IN pfelhasznalo VARCHAR(15), IN pdb INT)
BEGIN
  DECLARE v_ugyfel INT DEFAULT NULL;
  DECLARE v_pass INT DEFAULT NULL;
  DECLARE v_kind INT DEFAULT 0;
  DECLARE v_db INT;
  DECLARE v_zar INT;
  DECLARE EXIT HANDLER FOR SQLEXCEPTION
  BEGIN
    ROLLBACK;
    RESIGNAL;
  END;
  SET @ovix_mozgas = NULL;
  SET v_db = IF(pdb IS NULL OR pdb = 0, 1, pdb);
  IF v_db < 0 THEN
    SIGNAL SQLSTATE '45000' SET MESSAGE_TEXT = 'Hibás egységszám.';
  END IF;
  START TRANSACTION;
  SELECT ugyfel INTO v_ugyfel FROM ugyfel WHERE kartya = pkartya AND BINARY kartya = pkartya LIMIT 1;
  IF v_ugyfel IS NULL THEN
    SIGNAL SQLSTATE '45000' SET MESSAGE_TEXT = 'Ismeretlen kártya.';
  END IF;
  -- Every pass of this guest and type stays locked until the entry is done.
  SELECT COUNT(*) INTO v_zar FROM ugyfel_jegy WHERE ugyfel = v_ugyfel AND jegy = pjegy FOR UPDATE;
  SELECT ugyfel_jegy, berlettip INTO v_pass, v_kind FROM ugyfel_jegy
  WHERE ugyfel = v_ugyfel AND jegy = pjegy AND lejarat >= CURDATE() AND db > 0 AND berlettip > 0
  ORDER BY lejarat DESC, ugyfel_jegy LIMIT 1 FOR UPDATE;
  IF v_pass IS NULL THEN
    SELECT ugyfel_jegy, berlettip INTO v_pass, v_kind FROM ugyfel_jegy
    WHERE ugyfel = v_ugyfel AND jegy = pjegy AND lejarat >= CURDATE() AND db >= v_db AND berlettip = 0
    ORDER BY lejarat, ugyfel_jegy LIMIT 1 FOR UPDATE;
    IF v_pass IS NULL THEN
      IF EXISTS (SELECT 1 FROM ugyfel_jegy WHERE ugyfel = v_ugyfel AND jegy = pjegy AND lejarat >= CURDATE()
                 AND db > 0) THEN
        SIGNAL SQLSTATE '45000' SET MESSAGE_TEXT = 'Nincs elég felhasználható egység.';
      END IF;
      SIGNAL SQLSTATE '45000' SET MESSAGE_TEXT = 'Nincs felhasználható egység.';
    END IF;
    UPDATE ugyfel_jegy SET db = db - v_db WHERE ugyfel_jegy = v_pass;
  END IF;
  INSERT INTO mozgas (prntip, ugyfel, termek, jegy, datum, db, ar, felhasznalo, ugyfel_jegy, vanmeg)
  SELECT 'B', v_ugyfel, NULL, pjegy, CURDATE(), IF(v_kind = 0, v_db, 0), 0, pfelhasznalo, v_pass,
   (SELECT SUM(db) FROM ugyfel_jegy WHERE ugyfel = v_ugyfel AND jegy = pjegy AND lejarat >= CURDATE());
  SET @ovix_mozgas = LAST_INSERT_ID();
  COMMIT;
END $$

DROP PROCEDURE IF EXISTS sp_ujrendeles $$
CREATE PROCEDURE sp_ujrendeles(IN pugyfel INT, IN pfelhasznalo VARCHAR(15))
BEGIN
  SET @ovix_rendeles = NULL;
  INSERT INTO rendeles (ugyfel, datum, ar, felhasznalo, torolve, konyvelve)
  VALUES (pugyfel, CURDATE(), 0, pfelhasznalo, 'N', 'N');
  SET @ovix_rendeles = LAST_INSERT_ID();
END $$

DROP PROCEDURE IF EXISTS sp_rendeles_zar $$
-- Locks an open order for a change of its lines (inside the caller's
-- transaction). A booked order is final.
CREATE PROCEDURE sp_rendeles_zar(IN prendeles INT)
BEGIN
  DECLARE v_konyvelve CHAR(1) DEFAULT NULL;
  SELECT konyvelve INTO v_konyvelve FROM rendeles WHERE rendeles = prendeles FOR UPDATE;
  IF v_konyvelve IS NULL THEN
    SIGNAL SQLSTATE '45000' SET MESSAGE_TEXT = 'Nincs ilyen rendelés.';
  END IF;
  IF v_konyvelve = 'I' THEN
    SIGNAL SQLSTATE '45000' SET MESSAGE_TEXT = 'A rendelés már le van könyvelve.';
  END IF;
END $$

DROP PROCEDURE IF EXISTS sp_rendeles_osszeg $$
-- Keeps rendeles.ar equal to the total of its lines.
CREATE PROCEDURE sp_rendeles_osszeg(IN prendeles INT)
BEGIN
  UPDATE rendeles
  SET ar = (SELECT IFNULL(SUM(IFNULL(db, 0) * IFNULL(egysar, 0)), 0) FROM rendeles_sor WHERE rendeles = prendeles)
  WHERE rendeles = prendeles;
END $$

DROP PROCEDURE IF EXISTS sp_ujsor $$
CREATE PROCEDURE sp_ujsor(IN prendeles INT, IN ptermek INT, IN pdb INT, IN pegysar DOUBLE,
                          IN pmegjegyzes VARCHAR(50), IN pfelhasznalo VARCHAR(15))
BEGIN
  DECLARE EXIT HANDLER FOR SQLEXCEPTION
  BEGIN
    ROLLBACK;
    RESIGNAL;
  END;
  SET @ovix_rendeles_sor = NULL;
  START TRANSACTION;
  CALL sp_rendeles_zar(prendeles);
  INSERT INTO rendeles_sor (rendeles, termek, db, egysar, megjegyzes, felhasznalo)
  VALUES (prendeles, ptermek, pdb, pegysar, pmegjegyzes, pfelhasznalo);
  SET @ovix_rendeles_sor = LAST_INSERT_ID();
  CALL sp_rendeles_osszeg(prendeles);
  COMMIT;
END $$

DROP PROCEDURE IF EXISTS sp_sortorol $$
CREATE PROCEDURE sp_sortorol(IN prendeles_sor INT)
BEGIN
  DECLARE v_rendeles INT DEFAULT NULL;
  DECLARE EXIT HANDLER FOR SQLEXCEPTION
  BEGIN
    ROLLBACK;
    RESIGNAL;
  END;
  START TRANSACTION;
  SELECT rendeles INTO v_rendeles FROM rendeles_sor WHERE rendeles_sor = prendeles_sor;
  IF v_rendeles IS NOT NULL THEN
    CALL sp_rendeles_zar(v_rendeles);
    DELETE FROM rendeles_sor WHERE rendeles_sor = prendeles_sor;
    CALL sp_rendeles_osszeg(v_rendeles);
  END IF;
  COMMIT;
END $$

DROP PROCEDURE IF EXISTS sp_mozgas_kasszaba $$
-- Books one movement into the cash desk at its amount times prntip.szorzo
-- (inside the caller's transaction, the movement already locked). Nothing
-- is booked for a type that does not belong in the cash desk.
CREATE PROCEDURE sp_mozgas_kasszaba(IN pmozgas INT)
BEGIN
  SET @ovix_kassza = NULL;
  INSERT INTO kassza (kasszatip, mozgas, datum, szoveg, osszeg, felhasznalo)
  SELECT IF(m.prntip = 'T', 'V', 'E'), m.mozgas, CURDATE(),
   LEFT(CONCAT(IF(m.prntip = 'T', 'Sztornó: ', ''), IFNULL(t.termek_nev, ''), ' (', LPAD(m.mozgas, 8, '0'), ')'), 50),
   IFNULL(m.ar, 0) * IFNULL(p.szorzo, 0), m.felhasznalo
  FROM mozgas m
  JOIN prntip p ON p.prntip = m.prntip
  LEFT JOIN termek t ON t.termek = m.termek
  WHERE m.mozgas = pmozgas AND p.kellkassza = 'I';
  IF ROW_COUNT() > 0 THEN
    SET @ovix_kassza = LAST_INSERT_ID();
  END IF;
END $$

DROP PROCEDURE IF EXISTS sp_rendelkonyvel $$
-- Books a paid order once: one 'S' movement and one cash entry per line,
-- pass lines included. The passes themselves are granted afterwards by
-- sp_termek_elad, which finds the movement of the line and links the pass
-- to it instead of recording the sale again. A second booking is refused.
-- @ovix_mozgas and @ovix_kassza hold the last movement and cash entry.
CREATE PROCEDURE sp_rendelkonyvel(IN prendeles INT)
BEGIN
  DECLARE v_vege INT DEFAULT 0;
  DECLARE v_sor INT;
  DECLARE v_kassza INT DEFAULT NULL;
  DECLARE c_sorok CURSOR FOR SELECT rendeles_sor FROM rendeles_sor WHERE rendeles = prendeles ORDER BY rendeles_sor;
  DECLARE CONTINUE HANDLER FOR NOT FOUND SET v_vege = 1;
  DECLARE EXIT HANDLER FOR SQLEXCEPTION
  BEGIN
    ROLLBACK;
    RESIGNAL;
  END;
  SET @ovix_mozgas = NULL, @ovix_kassza = NULL, @ovix_rendeles = prendeles;
  START TRANSACTION;
  CALL sp_rendeles_zar(prendeles);
  OPEN c_sorok;
  sorok: LOOP
    FETCH c_sorok INTO v_sor;
    IF v_vege = 1 THEN
      LEAVE sorok;
    END IF;
    INSERT INTO mozgas (prntip, ugyfel, termek, jegy, datum, db, ar, felhasznalo, rendeles_sor)
    SELECT 'S', r.ugyfel, rs.termek, NULL, CURDATE(), rs.db, IFNULL(rs.db, 0) * IFNULL(rs.egysar, 0), r.felhasznalo,
     rs.rendeles_sor
    FROM rendeles_sor rs JOIN rendeles r ON r.rendeles = rs.rendeles
    WHERE rs.rendeles_sor = v_sor;
    SET @ovix_mozgas = LAST_INSERT_ID();
    CALL sp_mozgas_kasszaba(@ovix_mozgas);
    SET v_kassza = IFNULL(@ovix_kassza, v_kassza);
  END LOOP;
  CLOSE c_sorok;
  UPDATE rendeles SET konyvelve = 'I' WHERE rendeles = prendeles;
  SET @ovix_kassza = v_kassza;
  COMMIT;
END $$

DROP PROCEDURE IF EXISTS sp_termek_elad $$
-- Gives the guest the pass of product ptermek, with the sale recorded once:
-- - right after sp_rendelkonyvel booked an order of this guest with a line of
--   this pass, the pass is linked to that line's movement (the first one
--   today without a pass), and nothing else is recorded,
-- - otherwise ("Termék vesz", "Mindenkinek egy bérlet") the call records the
--   sale itself: a booked order of one line at the product's price and its
--   'S' movement. Its cash entry is the business of sp_kasszaadmozgas, which
--   "Termék vesz" calls and the bulk issue does not.
-- A plain product gets the same sale record and no pass. Expiry and
-- occasions: per occasion today + jegy.lejarat days with termek.db
-- occasions, weekly, monthly and yearly today + one week, month or year less
-- a day with db 1, which entries do not reduce.
-- @ovix_rendeles, @ovix_mozgas: the order and movement of the sale (for the
-- receipt and sp_kasszaadmozgas), @ovix_ugyfel_jegy: the new pass.
CREATE PROCEDURE sp_termek_elad(IN ptermek INT, IN pugyfel INT, IN pfelhasznalo VARCHAR(15))
BEGIN
  DECLARE v_ezberlet CHAR(1) DEFAULT NULL;
  DECLARE v_kind INT;
  DECLARE v_jegy INT;
  DECLARE v_db INT;
  DECLARE v_ar DOUBLE;
  DECLARE v_napok INT;
  DECLARE v_ugyfel INT DEFAULT NULL;
  DECLARE v_mozgas INT DEFAULT NULL;
  DECLARE v_rendeles INT DEFAULT NULL;
  DECLARE v_lejarat DATE;
  DECLARE EXIT HANDLER FOR SQLEXCEPTION
  BEGIN
    ROLLBACK;
    RESIGNAL;
  END;
  SET @ovix_rendeles = NULL, @ovix_rendeles_sor = NULL, @ovix_mozgas = NULL, @ovix_ugyfel_jegy = NULL;
  START TRANSACTION;
  -- The guest row puts concurrent sales to one guest in order.
  SELECT ugyfel INTO v_ugyfel FROM ugyfel WHERE ugyfel = pugyfel FOR UPDATE;
  IF v_ugyfel IS NULL THEN
    SIGNAL SQLSTATE '45000' SET MESSAGE_TEXT = 'Nincs ilyen vendég.';
  END IF;
  SELECT IFNULL(t.ezberlet, 'N'), IF(IFNULL(t.berlettip, 0) BETWEEN 0 AND 3, IFNULL(t.berlettip, 0), 0), t.jegy,
   t.db, IFNULL(t.ar, 0), GREATEST(IFNULL(j.lejarat, 0), 0)
  INTO v_ezberlet, v_kind, v_jegy, v_db, v_ar, v_napok
  FROM termek t LEFT JOIN jegy j ON j.jegy = t.jegy
  WHERE t.termek = ptermek;
  IF v_ezberlet IS NULL THEN
    SIGNAL SQLSTATE '45000' SET MESSAGE_TEXT = 'Nincs ilyen termék.';
  END IF;
  IF v_ezberlet = 'I' AND EXISTS (SELECT 1 FROM beallit WHERE kasszaugyfel = pugyfel) THEN
    SIGNAL SQLSTATE '45000' SET MESSAGE_TEXT = 'Készpénzes vásárló nem kaphat bérletet.';
  END IF;
  IF v_ezberlet = 'I' THEN
    SELECT m.mozgas, rs.rendeles INTO v_mozgas, v_rendeles
    FROM mozgas m JOIN rendeles_sor rs ON rs.rendeles_sor = m.rendeles_sor
    WHERE m.ugyfel = pugyfel AND m.datum = CURDATE() AND m.termek = ptermek AND m.prntip = 'S' AND m.storno = 'N'
     AND NOT EXISTS (SELECT 1 FROM ugyfel_jegy uj WHERE uj.mozgas = m.mozgas)
    ORDER BY m.mozgas LIMIT 1;
  END IF;
  IF v_mozgas IS NULL THEN
    INSERT INTO rendeles (ugyfel, datum, ar, felhasznalo, torolve, konyvelve)
    VALUES (pugyfel, CURDATE(), v_ar, pfelhasznalo, 'N', 'I');
    SET v_rendeles = LAST_INSERT_ID();
    INSERT INTO rendeles_sor (rendeles, termek, db, egysar, megjegyzes, felhasznalo)
    VALUES (v_rendeles, ptermek, 1, v_ar, '', pfelhasznalo);
    SET @ovix_rendeles_sor = LAST_INSERT_ID();
    INSERT INTO mozgas (prntip, ugyfel, termek, jegy, datum, db, ar, felhasznalo, rendeles_sor)
    VALUES ('S', pugyfel, ptermek, NULL, CURDATE(), 1, v_ar, pfelhasznalo, @ovix_rendeles_sor);
    SET v_mozgas = LAST_INSERT_ID();
  END IF;
  SET @ovix_rendeles = v_rendeles, @ovix_mozgas = v_mozgas;
  IF v_ezberlet = 'I' THEN
    SET v_lejarat = CASE v_kind
      WHEN 1 THEN CURDATE() + INTERVAL 1 WEEK - INTERVAL 1 DAY
      WHEN 2 THEN CURDATE() + INTERVAL 1 MONTH - INTERVAL 1 DAY
      WHEN 3 THEN CURDATE() + INTERVAL 1 YEAR - INTERVAL 1 DAY
      ELSE CURDATE() + INTERVAL v_napok DAY END;
    INSERT INTO ugyfel_jegy (ugyfel, jegy, lejarat, db, mozgas, berlettip)
    VALUES (pugyfel, v_jegy, v_lejarat, IF(v_kind = 0, IFNULL(v_db, 0), 1), v_mozgas, v_kind);
    SET @ovix_ugyfel_jegy = LAST_INSERT_ID();
  END IF;
  COMMIT;
END $$

DROP PROCEDURE IF EXISTS sp_kasszaadmozgas $$
-- Books a movement into the cash desk once: a movement that already has its
-- cash entry, or that does not belong in the cash desk, is refused.
CREATE PROCEDURE sp_kasszaadmozgas(IN pmozgas INT)
BEGIN
  DECLARE v_prntip CHAR(1) DEFAULT NULL;
  DECLARE EXIT HANDLER FOR SQLEXCEPTION
  BEGIN
    ROLLBACK;
    RESIGNAL;
  END;
  SET @ovix_kassza = NULL;
  START TRANSACTION;
  SELECT IFNULL(prntip, '') INTO v_prntip FROM mozgas WHERE mozgas = pmozgas FOR UPDATE;
  IF v_prntip IS NULL THEN
    SIGNAL SQLSTATE '45000' SET MESSAGE_TEXT = 'Nincs ilyen bizonylat.';
  END IF;
  IF EXISTS (SELECT 1 FROM kassza WHERE mozgas = pmozgas) THEN
    SIGNAL SQLSTATE '45000' SET MESSAGE_TEXT = 'A bizonylat már szerepel a kasszában.';
  END IF;
  CALL sp_mozgas_kasszaba(pmozgas);
  IF @ovix_kassza IS NULL THEN
    SIGNAL SQLSTATE '45000' SET MESSAGE_TEXT = 'Ez a bizonylat nem kerül a kasszába.';
  END IF;
  COMMIT;
END $$

DROP PROCEDURE IF EXISTS sp_kasszaad $$
-- A manual cash entry dated today. The amount is taken as typed and
-- multiplied by the type's szorzo, so a payout type turns it negative.
CREATE PROCEDURE sp_kasszaad(IN pkasszatip VARCHAR(1), IN posszeg DOUBLE, IN pmozgas INT, IN pszoveg VARCHAR(50),
                             IN pfelhasznalo VARCHAR(15))
BEGIN
  DECLARE v_szorzo INT DEFAULT NULL;
  DECLARE EXIT HANDLER FOR SQLEXCEPTION
  BEGIN
    ROLLBACK;
    RESIGNAL;
  END;
  SET @ovix_kassza = NULL;
  START TRANSACTION;
  SELECT IFNULL(szorzo, 1) INTO v_szorzo FROM kasszatip WHERE kasszatip = pkasszatip;
  IF v_szorzo IS NULL THEN
    SIGNAL SQLSTATE '45000' SET MESSAGE_TEXT = 'Ismeretlen kassza típus.';
  END IF;
  INSERT INTO kassza (kasszatip, mozgas, datum, szoveg, osszeg, felhasznalo)
  VALUES (pkasszatip, IFNULL(pmozgas, -1), CURDATE(), pszoveg, IFNULL(posszeg, 0) * v_szorzo, pfelhasznalo);
  SET @ovix_kassza = LAST_INSERT_ID();
  COMMIT;
END $$

DROP PROCEDURE IF EXISTS sp_storno $$
-- Reverses a 'B' or 'S' movement once: marks it, records a 'T' movement of
-- the negated quantity and amount, and undoes what it did. An entry gives
-- its units back to its pass. A sale with a cash entry gets a reversing cash
-- entry, and the passes it granted lose their remaining occasions.
CREATE PROCEDURE sp_storno(IN pmozgas INT, IN pfelhasznalo VARCHAR(15))
BEGIN
  DECLARE v_prntip CHAR(1) DEFAULT NULL;
  DECLARE v_storno CHAR(1);
  DECLARE v_pass INT;
  DECLARE v_db INT;
  DECLARE v_uj INT;
  DECLARE EXIT HANDLER FOR SQLEXCEPTION
  BEGIN
    ROLLBACK;
    RESIGNAL;
  END;
  SET @ovix_mozgas = NULL, @ovix_kassza = NULL;
  START TRANSACTION;
  SELECT IFNULL(prntip, ''), storno, ugyfel_jegy, IFNULL(db, 0) INTO v_prntip, v_storno, v_pass, v_db
  FROM mozgas WHERE mozgas = pmozgas FOR UPDATE;
  IF v_prntip IS NULL THEN
    SIGNAL SQLSTATE '45000' SET MESSAGE_TEXT = 'Nincs ilyen bizonylat.';
  END IF;
  IF v_prntip NOT IN ('B', 'S') THEN
    SIGNAL SQLSTATE '45000' SET MESSAGE_TEXT = 'Csak "B" vagy "S" bizonylat sztornózható.';
  END IF;
  IF v_storno = 'I' THEN
    SIGNAL SQLSTATE '45000' SET MESSAGE_TEXT = 'Bizonylat már sztornózva lett.';
  END IF;
  UPDATE mozgas SET storno = 'I' WHERE mozgas = pmozgas;
  INSERT INTO mozgas (prntip, ugyfel, termek, jegy, datum, db, ar, felhasznalo, eredeti)
  SELECT 'T', ugyfel, termek, NULL, CURDATE(), -IFNULL(db, 0), -IFNULL(ar, 0), pfelhasznalo, mozgas
  FROM mozgas WHERE mozgas = pmozgas;
  SET v_uj = LAST_INSERT_ID();
  IF v_prntip = 'B' AND v_pass IS NOT NULL THEN
    UPDATE ugyfel_jegy SET db = db + v_db WHERE ugyfel_jegy = v_pass AND berlettip = 0;
  END IF;
  IF v_prntip = 'S' THEN
    UPDATE ugyfel_jegy SET db = 0 WHERE mozgas = pmozgas;
    IF EXISTS (SELECT 1 FROM kassza WHERE mozgas = pmozgas) THEN
      CALL sp_mozgas_kasszaba(v_uj);
    END IF;
  END IF;
  SET @ovix_mozgas = v_uj;
  COMMIT;
END $$

DROP PROCEDURE IF EXISTS sp_nyomkassza $$
-- The cash entries of a period, both days included, as vw_kassza shows them.
CREATE PROCEDURE sp_nyomkassza(IN pd1 DATE, IN pd2 DATE)
BEGIN
  SELECT kassza, kasszatip, mozgas, datum, szoveg, nyito, osszeg, zaro, felhasznalo, rogzitve, kasszatip_nev,
   bevetel, kiadas
  FROM vw_kassza
  WHERE datum BETWEEN pd1 AND pd2
  ORDER BY kassza;
END $$

delimiter ;
