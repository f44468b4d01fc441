#include "forms/windows/autor.h"

#include "engine/features/reportheader.h"
#include "forms/print/svgpicture.h"
#include "forms/widgets/messages.h"
#include "forms/widgets/sketchresources.h"
#include "forms/widgets/urlopener.h"

#include <QClipboard>
#include <QFrame>
#include <QGuiApplication>
#include <QLabel>
#include <QPushButton>
#include <QUrl>

QString feedbackAddress()
{
#ifdef PRUZ_FEEDBACK_ADDRESS
    return QStringLiteral(PRUZ_FEEDBACK_ADDRESS);
#else
    return {};
#endif
}

QString feedbackLink(const QString& address)
{
    return QStringLiteral("mailto:") + address + QStringLiteral("?subject=")
        + QStringLiteral("Отзыв о программе") + QStringLiteral("&body=") + QStringLiteral("%0d");
}

namespace {

// A word-wrapped text of two lines with its top-left corner at x, y.
QLabel* twoLineText(const QString& text, int x, int y, int width, QWidget* parent)
{
    auto* label = new QLabel(text, parent);
    label->setWordWrap(true);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    label->setGeometry(x, y, width, 2 * label->fontMetrics().lineSpacing() + 2);
    return label;
}

} // namespace

TAboutBox::TAboutBox(Messages& messages, UrlOpener& opener, QWidget* parent, const QString& address)
    : QDialog(parent,
        Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::CustomizeWindowHint | Qt::WindowTitleHint
            | Qt::WindowCloseButtonHint)
    , messages_(messages)
    , opener_(opener)
{
    initSketchResources();
    setWindowTitle(QStringLiteral("О программе"));
    setFixedSize(298, 213);

    auto* panel = new QFrame(this);
    panel->setObjectName(QStringLiteral("Panel1"));
    panel->setFrameStyle(QFrame::Box | QFrame::Sunken); // lowered outside, raised inside
    panel->setGeometry(8, 10, 281, 161);

    auto* icon = new SvgPicture(QStringLiteral(":/sketch/pruz.svg"), panel);
    icon->setObjectName(QStringLiteral("ProgramIcon"));
    icon->setGeometry(8, 8, 65, 57);

    auto* name
        = twoLineText(QStringLiteral("Программа расчета пружин сжатия по ОСТ 5.9539-80"), 84, 8, 145, panel);
    name->setObjectName(QStringLiteral("ProductName"));
    panel->setToolTip(QStringLiteral("Руководство пользователя: " PRUZ_DOC_DIR
                                     "/README.md\nПримеры исходных данных: " PRUZ_DOC_DIR "/examples/"));

    auto* version = new QLabel(
        QStringLiteral("Версия ") + QString::fromStdString(programVersion()) + QLatin1Char(' '), panel);
    version->setObjectName(QStringLiteral("Version"));
    version->move(86, 44);
    version->adjustSize();

    // 229 wide rather than 221: the sans serif face of the program sets
    // this text a few pixels wider than the face the layout was drawn for,
    // and the text must stay on two lines above the mail button.
    auto* comments = twoLineText(
        QStringLiteral("Сообщайте обо всех ошибках и недостатках замеченных в программе для их устранения"),
        26, 100, 229, panel);
    comments->setObjectName(QStringLiteral("Comments"));

    send = new QPushButton(address, panel);
    send->setObjectName(QStringLiteral("send"));
    send->setGeometry(60, 130, 151, 25);
    QPalette blue = send->palette();
    blue.setColor(QPalette::ButtonText, Qt::blue);
    send->setPalette(blue);
    send->setAutoDefault(false);
    send->hide();
    connect(send, &QPushButton::clicked, this, &TAboutBox::sendClick);

    auto* ok = new QPushButton(QStringLiteral("OK"), this);
    ok->setObjectName(QStringLiteral("OKButton"));
    ok->setGeometry(111, 180, 75, 25);
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &TAboutBox::OKButtonClick);
}

void TAboutBox::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    // A build without a feedback address offers no mail.
    send->setVisible(!send->text().isEmpty());
}

void TAboutBox::sendClick()
{
    const QString address = send->text();
    if (address.isEmpty() || opener_.open(QUrl(feedbackLink(address))))
        return;
    QGuiApplication::clipboard()->setText(address);
    messages_.message(QStringLiteral("Почтовая программа не открылась. Адрес ") + address
        + QStringLiteral(" скопирован в буфер обмена: вставьте его в письмо в своей почте."));
}

void TAboutBox::OKButtonClick()
{
    accept();
}
