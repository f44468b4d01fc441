#include "cli/textoutput.h"

#include "engine/features/design.h"
#include "engine/features/verificationtext.h"
#include "engine/method/tracetext.h"

#include <algorithm>
#include <ostream>

void writeText(const DesignResult& result, std::ostream& out, std::ostream& err, bool explain)
{
    for (const auto& line : explain ? traceLines(result.trace) : result.report)
        out << line << '\n';
    for (std::string message : result.messages) {
        std::replace(message.begin(), message.end(), '\r', '\n');
        err << message << '\n';
    }
    if (!result.error.empty())
        err << "error: " << result.error << '\n';
}

void writeVerification(const Verification& v, std::ostream& out, bool explain)
{
    out << '\n';
    const bool steps = explain && v.available;
    for (const auto& line : steps ? traceLines(v.trace) : verificationLines(v))
        out << line << '\n';
}
