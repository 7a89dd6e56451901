-- Tables of a venue database and their first rows.
-- Rules for this file (the maintenance tool runs it line by line): lower-case
-- delimiter lines, every statement ends with its delimiter at the end of a
-- line, no semicolon inside a string literal or a comment, no USE line.

-- Literals of the views, routines and rows compare and join in the column
-- collation, whatever the client's own character set (the maintenance tool
-- and the command-line client then create the same objects).
SET collation_connection = 'latin2_hungarian_ci';

CREATE TABLE ugyfel (
 ugyfel INT NOT NULL AUTO_INCREMENT,
 kartya VARCHAR(15) NOT NULL,
 ugyfel_nev VARCHAR(50),
 kapcsolat VARCHAR(50),
 telefon VARCHAR(50),
 emil VARCHAR(50),
 irsz VARCHAR(10),
 varos VARCHAR(50),
 cim VARCHAR(50),
 kedvezmeny DOUBLE DEFAULT 0,
 megjegyzes TEXT,
 torolve CHAR(1) NOT NULL DEFAULT 'N',
 felhasznalo VARCHAR(15),
 rogzitve DATETIME DEFAULT CURRENT_TIMESTAMP,
 PRIMARY KEY (ugyfel),
 -- One guest per card: the desk's lookup must never be ambiguous, and the
 -- card generator relies on the database refusing a number twice.
 UNIQUE INDEX idx_kartya (kartya),
 INDEX idx_ugyfel_nev (ugyfel_nev)
) ENGINE=InnoDB;

CREATE TABLE jegy (
 jegy INT NOT NULL AUTO_INCREMENT,
 jegy_nev VARCHAR(50),
 vanegyseg CHAR(1) DEFAULT 'N',
 lejarat INT DEFAULT 0,
 torolve CHAR(1) NOT NULL DEFAULT 'N',
 felhasznalo VARCHAR(15),
 rogzitve DATETIME DEFAULT CURRENT_TIMESTAMP,
 PRIMARY KEY (jegy)
) ENGINE=InnoDB;

CREATE TABLE ugyfel_jegy (
 ugyfel_jegy INT NOT NULL AUTO_INCREMENT,
 ugyfel INT NOT NULL,
 jegy INT NOT NULL,
 lejarat DATE,
 db INT NOT NULL DEFAULT 0,
 mozgas INT,
 PRIMARY KEY (ugyfel_jegy),
 INDEX idx_ugyfel_lejarat (ugyfel, lejarat, db),
 INDEX idx_ugyfel_jegy (ugyfel, jegy, lejarat),
 INDEX idx_jegy (jegy),
 INDEX idx_mozgas (mozgas)
) ENGINE=InnoDB;

CREATE TABLE termek (
 termek INT NOT NULL AUTO_INCREMENT,
 termek_nev VARCHAR(50),
 ezberlet CHAR(1) DEFAULT 'N',
 berlettip INT DEFAULT 0,
 jegy INT DEFAULT -1,
 db INT,
 ar DOUBLE DEFAULT 0,
 vankedv CHAR(1) DEFAULT 'I',
 egyszeri CHAR(1) DEFAULT 'N',
 torolve CHAR(1) NOT NULL DEFAULT 'N',
 felhasznalo VARCHAR(15),
 rogzitve DATETIME DEFAULT CURRENT_TIMESTAMP,
 PRIMARY KEY (termek),
 INDEX idx_termek_nev (termek_nev)
) ENGINE=InnoDB;

CREATE TABLE berlettip (
 berlettip INT NOT NULL,
 berlettip_nev VARCHAR(50),
 PRIMARY KEY (berlettip)
) ENGINE=InnoDB;

CREATE TABLE egyszeri (
 egyszeri INT NOT NULL AUTO_INCREMENT,
 termek INT,
 ean VARCHAR(8),
 dat_kiadva TIMESTAMP DEFAULT CURRENT_TIMESTAMP,
 felhasznalva CHAR(1) DEFAULT 'N',
 dat_felhasznalva DATETIME,
 PRIMARY KEY (egyszeri),
 INDEX idx_ean (ean)
) ENGINE=InnoDB;

CREATE TABLE mozgas (
 mozgas INT NOT NULL AUTO_INCREMENT,
 prntip CHAR(1),
 ugyfel INT,
 termek INT,
 jegy INT,
 datum DATE,
 db INT DEFAULT 1,
 ar DOUBLE DEFAULT 0,
 felhasznalo VARCHAR(15),
 rogzitve DATETIME DEFAULT CURRENT_TIMESTAMP,
 PRIMARY KEY (mozgas),
 INDEX idx_datum (datum),
 INDEX idx_ugyfel (ugyfel, datum),
 INDEX idx_jegy (jegy, datum)
) ENGINE=InnoDB;

CREATE TABLE prntip (
 prntip CHAR(1) NOT NULL,
 prntip_nev VARCHAR(50),
 szorzo DOUBLE DEFAULT 0,
 kellkassza CHAR(1) DEFAULT 'N',
 PRIMARY KEY (prntip)
) ENGINE=InnoDB;

CREATE TABLE rendeles (
 rendeles INT NOT NULL AUTO_INCREMENT,
 ugyfel INT,
 datum DATE,
 ar DOUBLE DEFAULT 0,
 felhasznalo VARCHAR(15),
 rogzitve DATETIME DEFAULT CURRENT_TIMESTAMP,
 torolve CHAR(1) NOT NULL DEFAULT 'N',
 konyvelve CHAR(1) NOT NULL DEFAULT 'N',
 PRIMARY KEY (rendeles),
 INDEX idx_ugyfel (ugyfel, torolve, konyvelve)
) ENGINE=InnoDB;

CREATE TABLE rendeles_sor (
 rendeles_sor INT NOT NULL AUTO_INCREMENT,
 rendeles INT NOT NULL,
 termek INT,
 db INT DEFAULT 1,
 egysar DOUBLE DEFAULT 0,
 megjegyzes VARCHAR(50),
 felhasznalo VARCHAR(15),
 rogzitve DATETIME DEFAULT CURRENT_TIMESTAMP,
 PRIMARY KEY (rendeles_sor),
 INDEX idx_rendeles (rendeles)
) ENGINE=InnoDB;

CREATE TABLE kassza (
 kassza INT NOT NULL AUTO_INCREMENT,
 kasszatip CHAR(1),
 mozgas INT DEFAULT -1,
 datum DATE,
 szoveg VARCHAR(50),
 osszeg DOUBLE DEFAULT 0,
 felhasznalo VARCHAR(15),
 rogzitve DATETIME DEFAULT CURRENT_TIMESTAMP,
 PRIMARY KEY (kassza),
 INDEX idx_datum (datum),
 INDEX idx_mozgas (mozgas)
) ENGINE=InnoDB;

-- The empty code is replaced by a free one on insert (the type editor does
-- not ask for a code).
CREATE TABLE kasszatip (
 kasszatip CHAR(1) NOT NULL DEFAULT '',
 kasszatip_nev VARCHAR(50),
 szorzo INT DEFAULT 1,
 felhasznalo VARCHAR(15),
 rogzitve DATETIME DEFAULT CURRENT_TIMESTAMP,
 PRIMARY KEY (kasszatip)
) ENGINE=InnoDB;

CREATE TABLE felhasznalo (
 felhasznalo VARCHAR(15) NOT NULL,
 felhasznalo_nev VARCHAR(50),
 jelszo VARCHAR(10),
 rendszergazda CHAR(1) DEFAULT 'N',
 torzsszerkeszt CHAR(1) DEFAULT 'N',
 csakelad CHAR(1) DEFAULT 'N',
 nyomtathat CHAR(1) DEFAULT 'I',
 excelbe CHAR(1) DEFAULT 'I',
 kasszanez CHAR(1) DEFAULT 'I',
 lehetuj CHAR(1) DEFAULT 'I',
 lehetmodosit CHAR(1) DEFAULT 'I',
 PRIMARY KEY (felhasznalo)
) ENGINE=InnoDB;

CREATE TABLE beallit (
 kasszaugyfel INT,
 vanbelep CHAR(1) DEFAULT 'N',
 vanmindenki CHAR(1) DEFAULT 'N',
 nyomblokk CHAR(1) DEFAULT 'I',
 verzioelfogadva VARCHAR(25),
 hirelfogadva INT DEFAULT -1
) ENGINE=InnoDB;

CREATE TABLE tulajdonos (
 tulajdonos VARCHAR(100),
 telefon VARCHAR(25),
 mobil VARCHAR(25),
 fax VARCHAR(25),
 irsz VARCHAR(5),
 varos VARCHAR(25),
 cim VARCHAR(50),
 adoszam VARCHAR(11),
 bankszamlaszam VARCHAR(24)
) ENGINE=InnoDB;

CREATE TABLE verzio (
 verzio VARCHAR(25)
) ENGINE=InnoDB;

CREATE TABLE uzenet (
 uzenet INT AUTO_INCREMENT,
 csakegyszer CHAR(1) DEFAULT 'I',
 olvasva CHAR(1) DEFAULT 'N',
 dat_olvasva DATETIME,
 link VARCHAR(255),
 szoveg TEXT,
 rogzitve TIMESTAMP DEFAULT CURRENT_TIMESTAMP,
 PRIMARY KEY (uzenet)
) ENGINE=InnoDB;

CREATE TABLE ugyfel_megjegyzes (
 ugyfel_megjegyzes INT AUTO_INCREMENT,
 ugyfel INT,
 rovid VARCHAR(75),
 rogzitve TIMESTAMP DEFAULT CURRENT_TIMESTAMP,
 datum DATE,
 felhasznalo VARCHAR(15),
 megjegyzes TEXT,
 PRIMARY KEY (ugyfel_megjegyzes),
 INDEX idx_ugyfel (ugyfel)
) ENGINE=InnoDB;

CREATE TABLE csvexp (
 csvexp INT AUTO_INCREMENT,
 csvexp_nev VARCHAR(50),
 adatcentrum CHAR(1) DEFAULT 'N',
 kategoria VARCHAR(45),
 csopmezok VARCHAR(100),
 summezok VARCHAR(100),
 mezonevek VARCHAR(100),
 mezocimkek VARCHAR(100),
 keresmezok VARCHAR(100),
 parameterek VARCHAR(100),
 grafikonparam VARCHAR(100),
 ezgrafikon CHAR(1) DEFAULT 'N',
 szoveg_sql TEXT,
 file_local VARCHAR(100),
 file_ftp VARCHAR(100),
 ftp_kell CHAR(1),
 hatarolo INT,
 szovegjelolo INT,
 ftp_user VARCHAR(50),
 ftp_jelszo VARCHAR(50),
 host_ftp VARCHAR(100),
 PRIMARY KEY (csvexp)
) ENGINE=InnoDB;

CREATE TABLE irsz (
 irsz VARCHAR(10) NOT NULL,
 varos VARCHAR(50) NOT NULL,
 PRIMARY KEY (irsz, varos)
) ENGINE=InnoDB;

-- First rows. The cash-sale guest is an ordinary guest row that the guest
-- views leave out.
INSERT INTO ugyfel (ugyfel, kartya, ugyfel_nev) VALUES (1, '00000000', 'Készpénzes vásárló');

INSERT INTO beallit (kasszaugyfel, vanbelep, vanmindenki, nyomblokk, verzioelfogadva, hirelfogadva)
VALUES (1, 'N', 'N', 'I', NULL, -1);

INSERT INTO tulajdonos (tulajdonos, telefon, mobil, fax, irsz, varos, cim, adoszam, bankszamlaszam)
VALUES ('Fürdő üzemeltető', '', '', '', '', '', '', '', '');

INSERT INTO berlettip (berlettip, berlettip_nev)
VALUES (0, 'Normál - Alkalmankénti'), (1, 'Heti'), (2, 'Havi'), (3, 'Éves');

-- Movement types: szorzo turns the amount of a movement into its cash
-- amount, kellkassza says whether the movement belongs in the cash desk.
-- The procedure script adds the types its procedures write.
INSERT INTO prntip (prntip, prntip_nev, szorzo, kellkassza)
VALUES ('A', 'Egyszeri belépés', 0, 'N');

-- Manual income and payout. The procedure script adds the types of the
-- entries it books from movements.
INSERT INTO kasszatip (kasszatip, kasszatip_nev, szorzo)
VALUES ('B', 'Befizetés', 1),
 ('K', 'Kifizetés', -1);
