#include "app/GraphMenu.h"

namespace app {

GraphMenu::GraphMenu(QWidget* parent) : QMenu(parent) {
    setObjectName(QStringLiteral("graphMenu"));
    addAction(QStringLiteral("&Save picture..."), this, &GraphMenu::saveChosen);
    addAction(QStringLiteral("&Copy picture"), this, &GraphMenu::copyChosen);
    addAction(QStringLiteral("Save &table as CSV..."), this, &GraphMenu::tableChosen);
}

}  // namespace app
