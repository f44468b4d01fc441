#include "forms/widgets/stalemark.h"

#include <QLabel>
#include <QVariant>
#include <QWidget>

namespace {

const char* const kLineName = "staleLine";
const char* const kStaleProperty = "pruzStale";
const char* const kBaseTitleProperty = "pruzBaseTitle";

QLabel* staleLine(const QWidget* window)
{
    return window->property(kLineName).value<QLabel*>();
}

} // namespace

QLabel* makeStaleLine(QWidget* window, QWidget* parent)
{
    auto* line = new QLabel(QStringLiteral("Исходные данные изменены — нажмите «Расчет»"), parent);
    line->setObjectName(QString::fromLatin1(kLineName));
    QPalette palette = line->palette();
    palette.setColor(QPalette::WindowText, QColor(0xB0, 0x20, 0x20));
    line->setPalette(palette);
    QFont bold = line->font();
    bold.setBold(true);
    line->setFont(bold);
    line->hide();
    window->setProperty(kLineName, QVariant::fromValue(line));
    return line;
}

void setStale(QWidget* window, bool stale)
{
    QLabel* line = staleLine(window);
    if (!line)
        return;
    if (stale != isStale(window)) {
        if (stale)
            window->setProperty(kBaseTitleProperty, window->windowTitle());
        const QString base = window->property(kBaseTitleProperty).toString();
        window->setWindowTitle(stale ? base + QStringLiteral(" — исходные данные изменены") : base);
        window->setProperty(kStaleProperty, stale);
        line->setVisible(stale);
    }
    for (QWidget* child : window->findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
        if (child->isWindow())
            setStale(child, stale);
}

bool isStale(const QWidget* window)
{
    return window->property(kStaleProperty).toBool();
}
