#include "stress_inputs.h"

#include "engine/catalogue/textfile.h"
#include "engine/common/encoding.h"
#include "engine/common/numtext.h"
#include "forms/widgets/qtext.h"

#include <QFile>

#include <array>
#include <cmath>

namespace {

const QStringList kOddTexts { "", "0", ",", "0,", ",5", "abc", "1E300", "-5", "99999999999999999999", "1,2,3",
    " 7", "0,0000001", "1e5", "NaN", "inf", "١٢", "１２", "2,", "00", "0,0" };

// Letters of every kind the user can type, some not in Windows-1251.
const QString kAlphabet = QStringLiteral("0123456789,.,.-+eEaZжЖёЁ №*/?\\:;\"'\t€😀");

} // namespace

StressInputs::StressInputs(StressRandom& random, std::string dataDir, QString folder)
    : random_(random)
    , dataDir_(std::move(dataDir))
    , folder_(std::move(folder))
{
}

QString StressInputs::number(double lo, double hi, int decimals)
{
    const double scale = std::pow(10.0, decimals);
    const double v = lo + (hi - lo) * random_.below(100001) / 100000.0;
    return qs(numText(std::round(v * scale) / scale));
}

QString StressInputs::fieldText(const QString& field)
{
    if (random_.chance(15))
        return random_.chance(10) ? QString(random_.between(50, 400), QLatin1Char('9'))
                                  : random_.oneOf(kOddTexts);
    if (field == "f1")
        return number(1, 40, 1);
    if (field == "f2")
        return number(20, 120, 1);
    if (field == "d1")
        return number(8, 60, 0);
    if (field == "h")
        return number(3, 40, 1);
    if (field == "vmax")
        return number(0, 6, 1);
    if (field == "ni")
        return qs(intText(random_.between(0, 9)));
    if (field == "stepni")
        return qs(intText(random_.between(3, 7)));
    if (field == "l0")
        return number(30, 200, 0);
    if (field == "n")
        return qs(intText(random_.between(3, 25)));
    return anyText();
}

QString StressInputs::anyText()
{
    return textOf(kAlphabet);
}

QString StressInputs::clipboardText()
{
    return textOf(kAlphabet + QStringLiteral("\r\n\x1A"));
}

QString StressInputs::textOf(const QString& alphabet)
{
    QString text;
    const int length = random_.below(14);
    for (int k = 0; k < length; ++k) {
        // The emoji is two UTF-16 units; take both or neither.
        int at = random_.below(int(alphabet.size()));
        if (alphabet.at(at).isLowSurrogate())
            --at;
        text += alphabet.at(at);
        if (alphabet.at(at).isHighSurrogate())
            text += alphabet.at(at + 1);
    }
    return text;
}

QStringList StressInputs::soundRid()
{
    const auto materials = readDataLines(dataDir_, "material.dat").value_or(std::vector<std::string> {});
    const int index = materials.empty() ? 0 : random_.below(int(materials.size()));
    const bool stroke = random_.chance(60);
    const int group = random_.below(4);
    const bool endurance = group == 0 || group == 2;
    const auto flag = [](bool on) { return on ? QStringLiteral("1") : QStringLiteral("0"); };
    const double f1 = random_.between(10, 400) / 10.0;
    const double f2 = f1 * random_.between(13, 40) / 10.0;
    return {
        flag(stroke),
        flag(!stroke),
        stroke ? "1" : "2",
        flag(!stroke),
        flag(!stroke),
        flag(stroke),
        qs(intText(index)),
        qs(numText(f1)),
        qs(numText(std::round(f2 * 10) / 10)),
        number(8, 60, 0),
        number(3, 40, 1),
        number(0, 6, 1),
        qs(intText(random_.between(0, 9))),
        qs(intText(random_.between(3, 7))),
        number(30, 200, 0),
        qs(intText(random_.between(3, 25))),
        qs(intText(group)),
        qs(intText(random_.below(2))),
        flag(endurance),
        flag(endurance),
        flag(endurance),
        materials.empty() ? QString() : qs(materials[size_t(index)]),
    };
}

QString StressInputs::ridFile(bool sound)
{
    QStringList lines = soundRid();
    QString end = QStringLiteral("\r\n");
    for (int damage = sound ? 0 : random_.between(1, 3); damage > 0; --damage) {
        switch (random_.below(10)) {
        case 0: // cut short
            lines = lines.mid(0, random_.below(22));
            break;
        case 1: // an integer line that is not one
            if (lines.size() == 22)
                lines[random_.oneOf(QList<int> { 2, 6, 16, 17 })] = random_.oneOf(
                    QStringList { "", "x", "1,5", "99999999999999999999", " 1", "-", "0x10" });
            break;
        case 2: // any text, or a huge one, on any line
            if (!lines.isEmpty())
                lines[random_.below(int(lines.size()))] = random_.chance(20)
                    ? QString(random_.between(5000, 20000), QLatin1Char('7'))
                    : anyText();
            break;
        case 3: // more lines than 22
            for (int k = random_.between(1, 30); k > 0; --k)
                lines << anyText();
            break;
        case 4: { // not a text file at all
            QByteArray bytes;
            for (int k = random_.below(600); k > 0; --k)
                bytes += char(random_.below(256));
            return writeFile(bytes);
        }
        case 5:
            return writeFile({});
        case 6: // flags that are neither 0 nor 1
            if (lines.size() > 5)
                lines[random_.below(6)] = random_.oneOf(QStringList { "2", "", "true", "-1" });
            break;
        case 7:
            end = QStringLiteral("\n");
            break;
        case 8:
            end = QStringLiteral("\r");
            break;
        case 9: // the file ends early at a Ctrl-Z
            if (!lines.isEmpty())
                lines[random_.below(int(lines.size()))].prepend(QChar(0x1A));
            break;
        }
    }
    QByteArray bytes;
    for (const QString& line : lines)
        bytes += QByteArray::fromStdString(utf8ToCp1251(ss(line + end)));
    return writeFile(bytes);
}

QString StressInputs::writeFile(const QByteArray& bytes)
{
    const QString path = folder_ + QStringLiteral("gen-%1.rid").arg(++made_);
    QFile f(path);
    if (f.open(QIODevice::WriteOnly))
        f.write(bytes);
    return path;
}

void StressMessages::message(const QString& text)
{
    ++shown;
    for (const char* sign :
        { "Unknown error", "Out of memory", "std::", "basic_string", "vector", "map::at", "stoi" })
        if (text.contains(QLatin1String(sign)))
            internal << text;
}

bool StressMessages::confirm(const QString&, const QString&)
{
    ++asked;
    return random_.chance(50);
}

Messages::SaveAnswer StressMessages::askToSave(const QString&)
{
    ++asked;
    if (queuedSaveAnswer_)
        return *std::exchange(queuedSaveAnswer_, std::nullopt);
    return random_.oneOf(std::array { SaveAnswer::Save, SaveAnswer::DontSave, SaveAnswer::Cancel });
}

QString StressFiles::openFile(QWidget* parent, const QString& folder)
{
    ++loads;
    if (!queuedOpen_.isEmpty())
        return std::exchange(queuedOpen_, QString());
    const int roll = random_.below(100);
    if (roll < 8)
        return {}; // cancelled
    if (roll < 45)
        return inputs_.ridFile(true);
    if (roll < 75)
        return inputs_.ridFile(false);
    if (roll < 80)
        return inputs_.folder() + QStringLiteral("missing.rid");
    if (roll < 83)
        return inputs_.folder().chopped(1); // a folder
    if (roll < 95)
        return lastSaved_.isEmpty() ? inputs_.ridFile(true) : lastSaved_;
    return real_.openFile(parent, folder);
}

QString StressFiles::saveFile(QWidget* parent, const QString& folder)
{
    ++saves;
    if (!queuedSave_.isEmpty())
        return std::exchange(queuedSave_, QString());
    const int roll = random_.below(100);
    QString name;
    if (roll < 8)
        return {};
    if (roll < 60)
        name = inputs_.folder() + QStringLiteral("saved-%1.rid").arg(saves);
    else if (roll < 75)
        name = lastSaved_.isEmpty() ? inputs_.ridFile(false) : lastSaved_;
    else if (roll < 80)
        return QStringLiteral("/proc/pruz-stress.rid"); // nobody can create files there
    else if (roll < 85)
        return inputs_.folder().chopped(1);
    else if (roll < 90)
        return inputs_.folder() + QStringLiteral("no-such-folder/x.rid");
    else if (roll < 96)
        name = inputs_.ridFile(random_.chance(50));
    else
        return real_.saveFile(parent, folder);
    lastSaved_ = name;
    return name;
}

QString StressFiles::savePdfFile(QWidget*, const QString&)
{
    // Never the suggested name itself: it may lie outside the scratch folder.
    const int roll = random_.below(100);
    if (roll < 10)
        return {};
    if (roll < 15)
        return inputs_.folder() + QStringLiteral("no-such-folder/x.pdf");
    return inputs_.folder() + QStringLiteral("export-%1.pdf").arg(random_.below(3));
}

QString StressFiles::nameForDialog(bool open)
{
    if (random_.chance(10))
        return inputs_.folder().chopped(1); // the dialog opens the folder and stays
    if (open)
        return inputs_.ridFile(random_.chance(50));
    return inputs_.folder() + QStringLiteral("dialog-%1.rid").arg(++saves);
}

QString StressFiles::openFolder(QWidget*, const QString&)
{
    const int roll = random_.below(100);
    if (roll < 15)
        return {};
    if (roll < 20)
        return inputs_.folder() + QStringLiteral("no-such-folder");
    return inputs_.folder().chopped(1);
}
