#pragma once

#include "seam.h"

#include <QMessageBox>
#include <QString>

class QWidget;

// The modal message boxes of both programs. The only place that shows a
// QMessageBox.

void ErrorBox(const QString& message, QWidget* owner = nullptr);
void InfoBox(const QString& message, QWidget* owner = nullptr);
// Yes and No; true when Yes was pressed.
bool QuestionBox(const QString& message, const QString& caption, QWidget* owner = nullptr,
                 QMessageBox::Icon icon = QMessageBox::Question);

enum class MessageBoxKind { Error, Info, Question };

struct MessageBoxRecord
{
    MessageBoxKind kind = MessageBoxKind::Info;
    QString caption;
    QString text;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    QWidget* owner = nullptr;
};

// Only questions take an answer from a script.
inline bool WantsAnswer(const MessageBoxRecord& box)
{
    return box.kind == MessageBoxKind::Question;
}

// Shows one box; the answer only matters for questions (true = Yes).
Seam<bool(const MessageBoxRecord&)>& MessageBoxSeam();

// For tests: records every box and answers questions from a queue (No when
// the queue is empty).
class ScriptedMessageBoxes : public ScriptedSeam<MessageBoxRecord, bool>
{
public:
    ScriptedMessageBoxes() : ScriptedSeam(MessageBoxSeam()) {}
};
