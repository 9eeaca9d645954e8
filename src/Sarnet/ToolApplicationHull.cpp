#include "ToolApplicationHull.h"

namespace apt {

ToolApplicationHull* ToolApplicationHull::instance()
{
    static ToolApplicationHull hull;
    return &hull;
}

ToolApplicationHull::ToolApplicationHull() = default;
ToolApplicationHull::~ToolApplicationHull() = default;
ToolApplicationHull::ToolApplicationHull(const ToolApplicationHull&) = default;
ToolApplicationHull& ToolApplicationHull::operator=(const ToolApplicationHull&) = default;

void ToolApplicationHull::initialize(int&, char**, const QString&, const QString&) {}
void ToolApplicationHull::setAppName(const QString&) {}
QString ToolApplicationHull::appName() const { return {}; }
QString ToolApplicationHull::configFileName() const { return {}; }
QApplication* ToolApplicationHull::application() const { return nullptr; }
bool ToolApplicationHull::startApp() { return true; }
unsigned int ToolApplicationHull::language() const { return 0; }
int ToolApplicationHull::versionType() const { return 1; }
bool ToolApplicationHull::notify(QObject*, QEvent*) { return false; }
void ToolApplicationHull::release() {}
void ToolApplicationHull::distory() {}

} // namespace apt
