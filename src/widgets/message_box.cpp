#include "widgets/message_box.h"

#include "widgets/qt_text.h"

#include <QInputDialog>
#include <QMessageBox>
#include <QPointer>

namespace zentaro::widgets {
namespace {

QMessageBox::Icon IconOf(int style)
{
    switch (style & 0x70) {
    case msgstyle::kStop:
        return QMessageBox::Critical;
    case msgstyle::kQuestion:
        return QMessageBox::Question;
    case msgstyle::kExclamation:
        return QMessageBox::Warning;
    case msgstyle::kInformation:
        return QMessageBox::Information;
    default:
        return QMessageBox::NoIcon;
    }
}

QString TitleOr(const QString& title)
{
    return title.isEmpty() ? kApplicationTitle : title;
}

} // namespace

MessageAnswer MessageBox(QWidget* parent, const QString& text, int style, const QString& title)
{
    const bool yesNo = (style & 0x0F) == msgstyle::kYesNo;
    QMessageBox box(IconOf(style), TitleOr(title), text, yesNo ? QMessageBox::Yes | QMessageBox::No : QMessageBox::Ok,
                    parent);
    box.setObjectName(QStringLiteral("zentaroMessageBox"));
    const int pressed = box.exec();
    if (!yesNo)
        return MessageAnswer::Ok;
    return pressed == QMessageBox::Yes ? MessageAnswer::Yes : MessageAnswer::No;
}

QString InputBox(QWidget* parent, const QString& prompt, const QString& title, const QString& defaultReply)
{
    QInputDialog box(parent);
    box.setObjectName(QStringLiteral("zentaroInputBox"));
    box.setWindowTitle(TitleOr(title));
    box.setLabelText(prompt);
    box.setTextValue(defaultReply);
    box.setInputMode(QInputDialog::TextInput);
    if (box.exec() != QDialog::Accepted)
        return {};
    return box.textValue();
}

ShowMessage MessageCallback(QWidget* parent)
{
    return [window = QPointer<QWidget>(parent)](std::string_view text, int style, std::string_view title) {
        return MessageBox(window, FromUtf8(text), style, FromUtf8(title));
    };
}

AskInput InputCallback(QWidget* parent)
{
    return [window = QPointer<QWidget>(parent)](std::string_view prompt, std::string_view title,
                                                std::string_view defaultReply) {
        return InputBox(window, FromUtf8(prompt), FromUtf8(title), FromUtf8(defaultReply)).toStdString();
    };
}

} // namespace zentaro::widgets
