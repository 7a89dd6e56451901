#include "askdialog.h"
#include "dialogunits.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <functional>

using DialogAction = std::function<void(AskTextDialog*)>;
Q_DECLARE_METATYPE(DialogAction)

namespace {

// Runs `act` on the next AskText dialog once it is shown modally.
void OnNextDialog(const DialogAction& act)
{
    QTimer::singleShot(0, [act] {
        auto* dialog = qobject_cast<AskTextDialog*>(QApplication::activeModalWidget());
        QVERIFY(dialog);
        act(dialog);
    });
}

void TypeText(QWidget* w, const QString& text)
{
    // keyClicks cannot send accented letters.
    for (QChar ch : text)
        QTest::sendKeyEvent(QTest::Click, w, Qt::Key_unknown, ch, Qt::NoModifier);
}

} // namespace

class TestAskDialog : public QObject
{
    Q_OBJECT

private slots:
    void scriptedAnswers()
    {
        ScriptedAskText ask;
        ask.pushAnswer(QStringLiteral("új"));
        ask.pushAnswer(std::nullopt);

        QString text = QStringLiteral("régi");
        QVERIFY(AskText(QStringLiteral("Jelszó megadása"), QStringLiteral("Add meg"), QString(), text));
        QCOMPARE(text, QStringLiteral("új"));
        QVERIFY(!AskText(QStringLiteral("Megerősítés"), QStringLiteral("Add újra"), QStringLiteral("9999"),
                         text));
        QCOMPARE(text, QStringLiteral("új"));

        QCOMPARE(ask.recorded().size(), 2);
        QCOMPARE(ask.recorded().at(1).caption, QStringLiteral("Megerősítés"));
        QCOMPARE(ask.recorded().at(1).prompt, QStringLiteral("Add újra"));
        QCOMPARE(ask.recorded().at(1).editMask, QStringLiteral("9999"));
        QCOMPARE(ask.recorded().at(1).text, QStringLiteral("új"));
    }

    // The real dialog, answered through its own widgets.
    void realDialog_data()
    {
        QTest::addColumn<QString>("mask");
        QTest::addColumn<DialogAction>("action");
        QTest::addColumn<bool>("accepted");
        QTest::addColumn<QString>("result");

        // The text starts selected, so typing replaces it.
        const DialogAction typeAndClickOk = [](AskTextDialog* d) {
            TypeText(d->edit(), QStringLiteral("Árvíztűrő"));
            QTest::mouseClick(d->okButton(), Qt::LeftButton);
        };
        const DialogAction typeAndPressEnter = [](AskTextDialog* d) {
            TypeText(d->edit(), QStringLiteral("tükör"));
            QTest::keyClick(d->edit(), Qt::Key_Return);
        };
        const DialogAction typeAndCancel = [](AskTextDialog* d) {
            TypeText(d->edit(), QStringLiteral("xyz"));
            QTest::mouseClick(d->cancelButton(), Qt::LeftButton);
        };
        const DialogAction typeAndEscape = [](AskTextDialog* d) {
            TypeText(d->edit(), QStringLiteral("xyz"));
            QTest::keyClick(d->edit(), Qt::Key_Escape);
        };
        const DialogAction typeIntoMask = [](AskTextDialog* d) {
            QTest::keyClick(d->edit(), Qt::Key_Home);
            TypeText(d->edit(), QStringLiteral("1a2b3c4"));
            QTest::mouseClick(d->okButton(), Qt::LeftButton);
        };

        QTest::newRow("OK replaces the selected text")
            << QString() << typeAndClickOk << true << QStringLiteral("Árvíztűrő");
        QTest::newRow("Enter presses OK")
            << QString() << typeAndPressEnter << true << QStringLiteral("tükör");
        QTest::newRow("Mégsem keeps the text")
            << QString() << typeAndCancel << false << QStringLiteral("régi");
        QTest::newRow("Esc keeps the text") << QString() << typeAndEscape << false << QStringLiteral("régi");
        QTest::newRow("mask refuses letters")
            << QStringLiteral("9999;_") << typeIntoMask << true << QStringLiteral("1234");
    }

    void realDialog()
    {
        QFETCH(QString, mask);
        QFETCH(DialogAction, action);
        QFETCH(bool, accepted);
        QFETCH(QString, result);

        QString text = QStringLiteral("régi");
        OnNextDialog(action);
        QCOMPARE(AskText(QStringLiteral("Kérdés"), QStringLiteral("Szöveg:"), mask, text), accepted);
        QCOMPARE(text, result);
    }

    void dialogShowsTheRequest()
    {
        AskTextDialog dialog({QStringLiteral("Jelszó megadása"), QStringLiteral("Add meg az új jelszót"),
                              QString(), QStringLiteral("abc"), nullptr});
        QCOMPARE(dialog.windowTitle(), QStringLiteral("Jelszó megadása"));
        QCOMPARE(dialog.promptLabel()->text(), QStringLiteral("Add meg az új jelszót"));
        QCOMPARE(dialog.edit()->text(), QStringLiteral("abc"));
        QCOMPARE(dialog.edit()->selectedText(), QStringLiteral("abc"));
        QCOMPARE(dialog.edit()->maxLength(), 255);
        QVERIFY(dialog.okButton()->isDefault());
        QCOMPARE(dialog.okButton()->text(), QStringLiteral("OK"));
        QCOMPARE(dialog.cancelButton()->text(), QStringLiteral("Mégsem"));
    }

    // Measures in dialog units of the font; a long prompt wraps and pushes the
    // rest down.
    void layoutFollowsDialogUnits_data()
    {
        QTest::addColumn<QString>("prompt");
        QTest::newRow("short") << QStringLiteral("Név:");
        QTest::newRow("wrapping") << QStringLiteral(
            "Ez egy nagyon hosszú kérdés, amely biztosan nem fér el egyetlen "
            "sorban, ezért több sorba törik a párbeszédablakban.");
    }

    void layoutFollowsDialogUnits()
    {
        QFETCH(QString, prompt);
        AskTextDialog dialog({QStringLiteral("Kérdés"), prompt, QString(), QString(), nullptr});
        const DialogUnits du(dialog.font());
        const QRect label = dialog.promptLabel()->geometry();
        const QRect edit = dialog.edit()->geometry();
        const QRect ok = dialog.okButton()->geometry();
        const QRect cancel = dialog.cancelButton()->geometry();

        QCOMPARE(dialog.width(), du.x(180));
        QCOMPARE(label.topLeft(), QPoint(du.x(8), du.y(8)));
        QVERIFY(label.width() <= du.x(164));
        QVERIFY(label.height() >= dialog.promptLabel()->heightForWidth(label.width()));
        QCOMPARE(edit.left(), du.x(8));
        QCOMPARE(edit.width(), du.x(164));
        QCOMPARE(edit.top(), label.bottom() + 1 + 5);
        QCOMPARE(ok.top(), edit.bottom() + 1 + 15);
        QCOMPARE(ok.left(), du.x(38));
        QCOMPARE(cancel.left(), du.x(92));
        QCOMPARE(ok.size(), QSize(du.x(50), du.y(14)));
        QCOMPARE(cancel.size(), ok.size());
        QCOMPARE(dialog.height(), ok.bottom() + 1 + 13);
    }
};

QTEST_MAIN(TestAskDialog)
#include "tst_askdialog.moc"
