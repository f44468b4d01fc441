#include "forms/widgets/guarded.h"

#include "engine/common/errors.h"

#include <exception>
#include <new>

bool guarded(Messages& messages, const std::function<void()>& handler)
{
    try {
        handler();
        return true;
    } catch (const PruzError& e) {
        messages.message(QString::fromUtf8(e.what()));
    } catch (const std::bad_alloc&) {
        messages.message(QStringLiteral("Out of memory"));
    } catch (const std::exception& e) {
        messages.message(QString::fromUtf8(e.what()));
    } catch (...) {
        messages.message(QStringLiteral("Unknown error"));
    }
    return false;
}
