// The About window: its texts and layout, and the feedback mail link.

#include "forms/widgets/appstyle.h"
#include "forms/widgets/urlopener.h"
#include "forms/windows/autor.h"
#include "helpers/scetch_testing.h"

#include <QApplication>
#include <QClipboard>
#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <QUrl>
#include <QUrlQuery>

#include <memory>

using scetchtest::RecordedMessages;

namespace {

const QString kAddress = QStringLiteral("pruz@example.net");

class RecordedOpener : public UrlOpener {
public:
    bool open(const QUrl& url) override
    {
        opened << url;
        return succeeds;
    }
    QList<QUrl> opened;
    bool succeeds = true;
};

} // namespace

class TestAutor : public QObject {
    Q_OBJECT

private slots:
    void init()
    {
        messages = RecordedMessages();
        opener = RecordedOpener();
        box = std::make_unique<TAboutBox>(messages, opener, nullptr, kAddress);
    }

    void cleanup() { box.reset(); }

    void texts_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("text");
        // clang-format off
        QTest::newRow("product") << "ProductName" << "Программа расчета пружин сжатия по ОСТ 5.9539-80";
        QTest::newRow("version of the build, with its blank") << "Version" << "Версия " PRUZ_VERSION " ";
        QTest::newRow("comments") << "Comments"
            << "Сообщайте обо всех ошибках и недостатках замеченных в программе для их устранения";
        // clang-format on
    }

    void texts()
    {
        QFETCH(QString, name);
        QFETCH(QString, text);
        QCOMPARE(box->windowTitle(), QStringLiteral("О программе"));
        auto* label = box->findChild<QLabel*>(name);
        QVERIFY(label);
        QCOMPARE(label->text(), text);
        // nothing cut off: the whole text fits the label's box
        const int needed
            = label->wordWrap() ? label->heightForWidth(label->width()) : label->sizeHint().height();
        QVERIFY2(needed <= label->height(), qPrintable(QString::number(needed)));
        QVERIFY(label->sizeHint().width() <= label->width() || label->wordWrap());
    }

    void layout_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QRect>("geometry");
        QTest::newRow("panel") << "Panel1" << QRect(8, 10, 281, 161);
        QTest::newRow("icon, in the panel") << "ProgramIcon" << QRect(8, 8, 65, 57);
        QTest::newRow("mail button, in the panel") << "send" << QRect(60, 130, 151, 25);
        QTest::newRow("OK, below the panel") << "OKButton" << QRect(111, 180, 75, 25);
    }

    void layout()
    {
        QFETCH(QString, name);
        QFETCH(QRect, geometry);
        QCOMPARE(box->size(), QSize(298, 213));
        auto* widget = box->findChild<QWidget*>(name);
        QVERIFY(widget);
        QCOMPARE(widget->geometry(), geometry);
    }

    void mailButtonHiddenUntilShown()
    {
        auto* send = box->findChild<QPushButton*>(QStringLiteral("send"));
        QVERIFY(send->isHidden());
        box->show();
        QVERIFY(send->isVisible());
        QVERIFY(send->text().contains(u'@'));
        QVERIFY(send->fontMetrics().horizontalAdvance(send->text()) < send->width() - 8);
        scetchtest::saveScreenshot(*box, QStringLiteral("about"));
    }

    void mailLink()
    {
        box->show();
        auto* send = box->findChild<QPushButton*>(QStringLiteral("send"));
        QTest::mouseClick(send, Qt::LeftButton);
        QCOMPARE(opener.opened.size(), 1);
        const QString link = feedbackLink(send->text());
        QCOMPARE(link,
            QStringLiteral("mailto:") + send->text() + QStringLiteral("?subject=Отзыв о программе&body=%0d"));
        // QUrl writes the escape of the line break in capitals, the same
        // character by the rules of URLs
        const QUrl url = opener.opened.first();
        QCOMPARE(url.toString().toLower(), link.toLower());
        QCOMPARE(url.scheme(), QStringLiteral("mailto"));
        QCOMPARE(url.path(), send->text());
        QCOMPARE(QUrlQuery(url).queryItemValue(QStringLiteral("subject"), QUrl::FullyDecoded),
            QStringLiteral("Отзыв о программе"));
        QCOMPARE(
            QUrlQuery(url).queryItemValue(QStringLiteral("body"), QUrl::FullyDecoded), QStringLiteral("\r"));
        QVERIFY(messages.shown.isEmpty());
    }

    // No mail program: the address is on the clipboard, and the message
    // says so in words.
    void mailProgramMissing()
    {
        opener.succeeds = false;
        QApplication::clipboard()->clear();
        box->show();
        box->sendClick();
        QCOMPARE(QApplication::clipboard()->text(), kAddress);
        QCOMPARE(messages.shown.size(), 1);
        QVERIFY(messages.shown.first().contains(kAddress + QStringLiteral(" скопирован в буфер обмена")));
        QVERIFY(box->isVisible());
    }

    // A build without a feedback address offers no mail button.
    void noAddressNoMailButton()
    {
        box = std::make_unique<TAboutBox>(messages, opener, nullptr, QString());
        box->show();
        QVERIFY(box->findChild<QPushButton*>(QStringLiteral("send"))->isHidden());
    }

    void keysClose_data()
    {
        QTest::addColumn<int>("key");
        QTest::addColumn<int>("result");
        QTest::newRow("Enter presses OK") << int(Qt::Key_Return) << int(QDialog::Accepted);
        QTest::newRow("Esc closes") << int(Qt::Key_Escape) << int(QDialog::Rejected);
    }
    void keysClose()
    {
        QFETCH(int, key);
        QFETCH(int, result);
        box->show();
        QTest::keyClick(box.get(), Qt::Key(key));
        QVERIFY(!box->isVisible());
        QCOMPARE(box->result(), result);
        QVERIFY(opener.opened.isEmpty());
    }

private:
    RecordedMessages messages;
    RecordedOpener opener;
    std::unique_ptr<TAboutBox> box;
};

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    applyAppStyle(app);
    TestAutor test;
    return QTest::qExec(&test, argc, argv);
}

#include "test_autor.moc"
