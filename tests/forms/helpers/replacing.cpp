#include "replacing.h"

#include "recorder.h"

#include "engine/catalogue/textfile.h"

#include <QFile>
#include <QtTest>

void checkReplacing(MessageRecorder& messages, const QString& path, const std::function<void()>& write)
{
    const struct {
        const char* name;
        bool exists, answer, fails, replaced;
    } rows[] = { { "new file", false, false, false, true }, { "declined", true, false, false, false },
        { "confirmed", true, true, false, true }, { "write fails", true, true, true, false } };
    for (const auto& row : rows) {
        QFile file(path);
        file.remove();
        QVERIFY(!row.exists || (file.open(QIODevice::WriteOnly) && file.write("old") == 3));
        file.close();
        messages.questions.clear();
        messages.messages.clear();
        messages.answers = { row.answer };
        if (row.fails)
            setWriteFaultInjector([](WriteStage stage) { return stage == WriteStage::Rename; });
        write();
        setWriteFaultInjector({});
        QVERIFY2(messages.questions.size() == int(row.exists), row.name);
        QVERIFY2(!row.exists || messages.questions.first().contains(path), row.name);
        QVERIFY2(messages.messages
                == (row.fails ? QStringList { QStringLiteral("Ошибка при записи в ") + path }
                              : QStringList()),
            row.name);
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QByteArray bytes = file.readAll();
        QVERIFY2((bytes != "old" && !bytes.isEmpty()) == row.replaced, row.name);
    }
}
