#pragma once

#include "seam.h"

#include <QDialog>
#include <QString>
#include <optional>

class QLabel;
class QLineEdit;
class QPushButton;

// Asks for one line of text. True and the edited text when OK was pressed;
// false and the text unchanged otherwise. An empty edit mask allows any text.
bool AskText(const QString& caption, const QString& prompt, const QString& editMask, QString& text,
             QWidget* owner = nullptr);

struct AskTextRequest
{
    QString caption;
    QString prompt;
    QString editMask;
    QString text;
    QWidget* owner = nullptr;
};

// The edited text, or nothing when the operator cancelled.
Seam<std::optional<QString>(const AskTextRequest&)>& AskTextSeam();

// For tests: records every request and answers from a queue (cancel when the
// queue is empty).
class ScriptedAskText : public ScriptedSeam<AskTextRequest, std::optional<QString>>
{
public:
    ScriptedAskText() : ScriptedSeam(AskTextSeam()) {}
};

// The fixed dialog behind AskText, laid out in dialog units of its font.
class AskTextDialog : public QDialog
{
    Q_OBJECT

public:
    explicit AskTextDialog(const AskTextRequest& request);

    QString text() const;
    QLabel* promptLabel() const { return m_prompt; }
    QLineEdit* edit() const { return m_edit; }
    QPushButton* okButton() const { return m_ok; }
    QPushButton* cancelButton() const { return m_cancel; }

private:
    void layOut();
    void centreOnScreen();

    QLabel* m_prompt;
    QLineEdit* m_edit;
    QPushButton* m_ok;
    QPushButton* m_cancel;
};
