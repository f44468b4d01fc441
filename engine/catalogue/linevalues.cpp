#include "engine/catalogue/linevalues.h"

#include "engine/common/numtext.h"

LineValues::LineValues(std::shared_ptr<const TextLines> lines)
    : lines_(std::move(lines))
{
    numbers_.reserve(lines_->size());
    kinds_.reserve(lines_->size());
    std::string line;
    for (size_t offset = 0; offset < lines_->end();) {
        line.assign(lines_->next(offset));
        double v = 0;
        const Kind kind = line.empty() ? Kind::Empty : tryStrToFloat(line, v) ? Kind::Number : Kind::Other;
        numbers_.push_back(v);
        kinds_.push_back(kind);
    }
}

std::string LineValues::text(size_t k) const
{
    return k < size() ? std::string((*lines_)[k]) : std::string();
}

double LineValues::number(size_t k, std::optional<double> empty) const
{
    const Kind kind = k < size() ? kinds_[k] : Kind::Empty;
    if (kind == Kind::Number)
        return numbers_[k];
    if (kind == Kind::Empty && empty)
        return *empty;
    return strToFloat(text(k)); // throws the conversion error of that line
}
