#include "WindowSheets.h"

#include <QHash>
#include <QWidget>

namespace aptui {

namespace {

struct Sheets
{
    WindowSheets::Source source;
    // Each kind is read and its colours filled in once, at its first window.
    QHash<QString, QString> read;
};

Sheets& sheets()
{
    static Sheets instance;
    return instance;
}

} // namespace

void WindowSheets::setSource(Source source)
{
    sheets().source = std::move(source);
    sheets().read.clear();
}

void WindowSheets::dress(QWidget* window, const QString& kind)
{
    static const char* const kDressed = "aptui_windowSheet";
    Sheets& all = sheets();
    if (!window || !all.source || window->property(kDressed).toString() == kind)
        return;
    window->setProperty(kDressed, kind);
    auto known = all.read.constFind(kind);
    if (known == all.read.constEnd())
        known = all.read.insert(kind, all.source(kind));
    if (known->isEmpty())
        return;
    const QString own = window->styleSheet();
    window->setStyleSheet(own.isEmpty() ? *known : *known + QLatin1Char('\n') + own);
}

} // namespace aptui
