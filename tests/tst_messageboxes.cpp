#include "messageboxes.h"

#include <QApplication>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <functional>

Q_DECLARE_METATYPE(MessageBoxKind)
Q_DECLARE_METATYPE(QMessageBox::Icon)

namespace {

using BoxCall = std::function<void()>;

// Answers the next real message box with the given button.
void PressOnNextBox(QMessageBox::StandardButton button, QMessageBox* seen)
{
    QTimer::singleShot(0, [button, seen] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        QVERIFY(box);
        seen->setWindowTitle(box->windowTitle());
        seen->setText(box->text());
        seen->setIcon(box->icon());
        seen->setStandardButtons(box->standardButtons());
        box->button(button)->click();
    });
}

} // namespace

class TestMessageBoxes : public QObject
{
    Q_OBJECT

private slots:
    void boxesAreRecorded_data()
    {
        QTest::addColumn<BoxCall>("call");
        QTest::addColumn<MessageBoxKind>("kind");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<QMessageBox::Icon>("icon");

        QTest::newRow("error") << BoxCall([] { ErrorBox(QStringLiteral("Árvíztűrő")); })
                               << MessageBoxKind::Error << QStringLiteral("Hiba") << QMessageBox::Critical;
        QTest::newRow("info") << BoxCall([] { InfoBox(QStringLiteral("Árvíztűrő")); }) << MessageBoxKind::Info
                              << QStringLiteral("Üzenet") << QMessageBox::Information;
        QTest::newRow("question") << BoxCall([] {
            QuestionBox(QStringLiteral("Árvíztűrő"), QStringLiteral("Megerősítés"));
        }) << MessageBoxKind::Question
                                  << QStringLiteral("Megerősítés") << QMessageBox::Question;
        QTest::newRow("question with warning icon") << BoxCall([] {
            QuestionBox(QStringLiteral("Árvíztűrő"), QStringLiteral("Törlés"), nullptr, QMessageBox::Warning);
        }) << MessageBoxKind::Question << QStringLiteral("Törlés")
                                                    << QMessageBox::Warning;
    }

    void boxesAreRecorded()
    {
        QFETCH(BoxCall, call);
        QFETCH(MessageBoxKind, kind);
        QFETCH(QString, caption);
        QFETCH(QMessageBox::Icon, icon);
        ScriptedMessageBoxes boxes;
        boxes.pushAnswer(true);
        call();
        QCOMPARE(boxes.recorded().size(), 1);
        const MessageBoxRecord& box = boxes.recorded().constFirst();
        QCOMPARE(box.kind, kind);
        QCOMPARE(box.caption, caption);
        QCOMPARE(box.icon, icon);
        QCOMPARE(box.text, QStringLiteral("Árvíztűrő"));
    }

    void questionsAreAnsweredFromTheScript()
    {
        ScriptedMessageBoxes boxes;
        boxes.pushAnswer(true);
        boxes.pushAnswer(false);
        // A box that asks nothing leaves the answers to the questions.
        ErrorBox(QStringLiteral("hiba"));
        QVERIFY(QuestionBox(QStringLiteral("1?"), QStringLiteral("Megerősítés")));
        QVERIFY(!QuestionBox(QStringLiteral("2?"), QStringLiteral("Megerősítés")));
        QTest::ignoreMessage(QtWarningMsg, "scripted seam: no answer queued, giving the default");
        QVERIFY(!QuestionBox(QStringLiteral("3?"), QStringLiteral("Megerősítés")));
        QCOMPARE(boxes.recorded().size(), 4);
        QCOMPARE(boxes.recorded().at(3).text, QStringLiteral("3?"));
    }

    void scriptsNestAndRestore()
    {
        ScriptedMessageBoxes outer;
        {
            ScriptedMessageBoxes inner;
            InfoBox(QStringLiteral("belső"));
            QCOMPARE(inner.recorded().size(), 1);
        }
        InfoBox(QStringLiteral("külső"));
        QCOMPARE(outer.recorded().size(), 1);
        QCOMPARE(outer.recorded().constFirst().text, QStringLiteral("külső"));
    }

    // The box steals the activation; ErrorBox and QuestionBox give it back,
    // InfoBox does not.
    void activationIsRestored_data()
    {
        QTest::addColumn<BoxCall>("call");
        QTest::addColumn<bool>("restored");
        QTest::newRow("error") << BoxCall([] { ErrorBox(QStringLiteral("x")); }) << true;
        QTest::newRow("question") << BoxCall([] { QuestionBox(QStringLiteral("x"), QStringLiteral("y")); })
                                  << true;
        QTest::newRow("info") << BoxCall([] { InfoBox(QStringLiteral("x")); }) << false;
    }

    void activationIsRestored()
    {
        QFETCH(BoxCall, call);
        QFETCH(bool, restored);
        QWidget desk;
        QWidget thief;
        desk.show();
        thief.show();
        desk.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&desk));

        SeamOverride<bool(const MessageBoxRecord&)> stealing(MessageBoxSeam(), [&](const MessageBoxRecord&) {
            thief.activateWindow();
            return QTest::qWaitForWindowActive(&thief);
        });
        call();
        QTest::qWait(50);
        QCOMPARE(QApplication::activeWindow() == &desk, restored);
    }

    void realBoxesShowCaptionIconAndButtons_data()
    {
        QTest::addColumn<BoxCall>("call");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<QMessageBox::Icon>("icon");
        QTest::addColumn<int>("buttons");
        QTest::addColumn<int>("press");
        QTest::addColumn<bool>("answer");

        const int ok = QMessageBox::Ok;
        const int yesNo = QMessageBox::Yes | QMessageBox::No;
        QTest::newRow("error") << BoxCall([] { ErrorBox(QStringLiteral("Szöveg")); })
                               << QStringLiteral("Hiba") << QMessageBox::Critical << ok << ok << false;
        QTest::newRow("info") << BoxCall([] { InfoBox(QStringLiteral("Szöveg")); })
                              << QStringLiteral("Üzenet") << QMessageBox::Information << ok << ok << false;
        QTest::newRow("question yes") << BoxCall() << QStringLiteral("Megerősítés") << QMessageBox::Question
                                      << yesNo << int(QMessageBox::Yes) << true;
        QTest::newRow("question no") << BoxCall() << QStringLiteral("Megerősítés") << QMessageBox::Question
                                     << yesNo << int(QMessageBox::No) << false;
    }

    void realBoxesShowCaptionIconAndButtons()
    {
        QFETCH(BoxCall, call);
        QFETCH(QString, caption);
        QFETCH(QMessageBox::Icon, icon);
        QFETCH(int, buttons);
        QFETCH(int, press);
        QFETCH(bool, answer);

        QMessageBox seen;
        PressOnNextBox(QMessageBox::StandardButton(press), &seen);
        bool result = false;
        if (call)
            call();
        else
            result = QuestionBox(QStringLiteral("Szöveg"), caption);
        QCOMPARE(result, answer);
        QCOMPARE(seen.windowTitle(), caption);
        QCOMPARE(seen.text(), QStringLiteral("Szöveg"));
        QCOMPARE(seen.icon(), icon);
        QCOMPARE(int(seen.standardButtons()), buttons);
    }
};

QTEST_MAIN(TestMessageBoxes)
#include "tst_messageboxes.moc"
