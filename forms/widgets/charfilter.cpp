#include "forms/widgets/charfilter.h"

#include "engine/catalogue/textfile.h"

#include <QLineEdit>

#include <algorithm>

CharacterFilter::CharacterFilter(std::function<bool(char32_t)> refused, QObject* parent)
    : QValidator(parent)
    , refused_(std::move(refused))
{
}

QValidator::State CharacterFilter::validate(QString& input, int& pos) const
{
    QString kept;
    int keptPos = pos;
    for (qsizetype i = 0; i < input.size();) {
        const bool pair
            = input.at(i).isHighSurrogate() && i + 1 < input.size() && input.at(i + 1).isLowSurrogate();
        const int length = pair ? 2 : 1;
        const char32_t c
            = pair ? QChar::surrogateToUcs4(input.at(i), input.at(i + 1)) : input.at(i).unicode();
        if (!refused_(c))
            kept += input.mid(i, length);
        else if (i < pos)
            keptPos -= std::min<int>(length, pos - static_cast<int>(i));
        i += length;
    }
    input = kept;
    pos = keptPos;
    return Acceptable;
}

void keepOnOneLine(QLineEdit& field)
{
    field.setValidator(new CharacterFilter(breaksLine, &field));
}
