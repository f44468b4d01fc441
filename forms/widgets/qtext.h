#pragma once
// The engine keeps text as UTF-8 std::string; widgets use QString.

#include <QString>
#include <QStringList>
#include <string>
#include <vector>

inline QString qs(const std::string& s)
{
    return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size()));
}
inline std::string ss(const QString& s)
{
    return s.toStdString();
}

inline QStringList qsList(const std::vector<std::string>& v)
{
    QStringList out;
    out.reserve(static_cast<qsizetype>(v.size()));
    for (const auto& s : v)
        out << qs(s);
    return out;
}
