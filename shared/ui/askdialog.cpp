#include "askdialog.h"

#include "dialogunits.h"

#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>

namespace {

constexpr int kMaxTextLength = 255;

std::optional<QString> ShowAskTextDialog(const AskTextRequest& request)
{
    AskTextDialog dialog(request);
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    return dialog.text();
}

} // namespace

Seam<std::optional<QString>(const AskTextRequest&)>& AskTextSeam()
{
    static Seam<std::optional<QString>(const AskTextRequest&)> seam(ShowAskTextDialog);
    return seam;
}

bool AskText(const QString& caption, const QString& prompt, const QString& editMask, QString& text,
             QWidget* owner)
{
    const std::optional<QString> answer = AskTextSeam()({caption, prompt, editMask, text, owner});
    if (!answer)
        return false;
    text = *answer;
    return true;
}

AskTextDialog::AskTextDialog(const AskTextRequest& request)
    : QDialog(request.owner), m_prompt(new QLabel(request.prompt, this)), m_edit(new QLineEdit(this)),
      m_ok(new QPushButton(QStringLiteral("OK"), this)),
      m_cancel(new QPushButton(QStringLiteral("Mégsem"), this))
{
    setWindowTitle(request.caption);
    m_prompt->setWordWrap(true);
    m_edit->setInputMask(request.editMask);
    m_edit->setMaxLength(kMaxTextLength);
    m_edit->setText(request.text);
    m_edit->selectAll();
    m_ok->setDefault(true);
    connect(m_ok, &QPushButton::clicked, this, &QDialog::accept);
    connect(m_cancel, &QPushButton::clicked, this, &QDialog::reject);
    layOut();
    centreOnScreen();
    m_edit->setFocus();
}

QString AskTextDialog::text() const
{
    return m_edit->text();
}

void AskTextDialog::layOut()
{
    const DialogUnits du(font());
    const int left = du.x(8);
    const int width = du.x(164);

    m_prompt->setMaximumWidth(width);
    m_prompt->move(left, du.y(8));
    m_prompt->resize(width, m_prompt->heightForWidth(width));

    const int editTop = m_prompt->geometry().bottom() + 1 + 5;
    m_edit->setGeometry(left, editTop, width, m_edit->sizeHint().height());

    const int buttonTop = m_edit->geometry().bottom() + 1 + 15;
    const QSize buttonSize(du.x(50), du.y(14));
    m_ok->setGeometry(QRect(QPoint(du.x(38), buttonTop), buttonSize));
    m_cancel->setGeometry(QRect(QPoint(du.x(92), buttonTop), buttonSize));

    setFixedSize(du.x(180), buttonTop + buttonSize.height() + 13);
}

void AskTextDialog::centreOnScreen()
{
    const QScreen* screen = parentWidget() ? parentWidget()->screen() : QGuiApplication::primaryScreen();
    if (!screen)
        return;
    QRect frame(QPoint(), size());
    frame.moveCenter(screen->availableGeometry().center());
    move(frame.topLeft());
}
