#include "Menu.h"

namespace aptui {

Menu::Menu(QWidget* parent)
    : QMenu(parent)
{
}

Menu::~Menu() = default;

} // namespace aptui
