#include "messageboxes.h"

#include <QApplication>
#include <QPointer>

namespace {

bool ShowMessageBox(const MessageBoxRecord& box)
{
    const bool question = box.kind == MessageBoxKind::Question;
    QMessageBox dialog(box.icon, box.caption, box.text,
                       question ? QMessageBox::Yes | QMessageBox::No : QMessageBox::Ok, box.owner);
    dialog.setDefaultButton(question ? QMessageBox::Yes : QMessageBox::Ok);
    if (question)
        dialog.setEscapeButton(QMessageBox::No);
    return dialog.exec() == QMessageBox::Yes;
}

// The box takes the activation away from the window the operator was using;
// give it back when the box closes.
bool ShowAndReactivate(const MessageBoxRecord& box)
{
    const QPointer<QWidget> active = QApplication::activeWindow();
    const bool answer = MessageBoxSeam()(box);
    if (active)
        active->activateWindow();
    return answer;
}

} // namespace

Seam<bool(const MessageBoxRecord&)>& MessageBoxSeam()
{
    static Seam<bool(const MessageBoxRecord&)> seam(ShowMessageBox);
    return seam;
}

void ErrorBox(const QString& message, QWidget* owner)
{
    ShowAndReactivate({MessageBoxKind::Error, QStringLiteral("Hiba"), message, QMessageBox::Critical, owner});
}

void InfoBox(const QString& message, QWidget* owner)
{
    MessageBoxSeam()(
        {MessageBoxKind::Info, QStringLiteral("Üzenet"), message, QMessageBox::Information, owner});
}

bool QuestionBox(const QString& message, const QString& caption, QWidget* owner, QMessageBox::Icon icon)
{
    return ShowAndReactivate({MessageBoxKind::Question, caption, message, icon, owner});
}
