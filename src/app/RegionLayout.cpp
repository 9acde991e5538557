#include "app/RegionLayout.h"

#include <QWidget>

#include <algorithm>

namespace app {

RegionLayout::RegionLayout(QWidget* window, QSize startSize)
    : QLayout(window), m_startSize(startSize) {
    setContentsMargins(0, 0, 0, 0);
}

RegionLayout::~RegionLayout() {
    for (Item& item : m_items) delete item.item;
}

void RegionLayout::AddRegion(QWidget* widget, const Region& region) {
    addChildWidget(widget);
    auto* item = new QWidgetItem(widget);
    m_items.push_back({item, region});
    // A hidden region keeps its place, so that showing it needs no new layout.
    QSizePolicy policy = widget->sizePolicy();
    policy.setRetainSizeWhenHidden(true);
    widget->setSizePolicy(policy);
    invalidate();
}

void RegionLayout::addItem(QLayoutItem* item) {
    // Only AddRegion knows where an item goes; anything else stays where it is put.
    m_items.push_back({item, {item->geometry(), Fixed, Column::Left, Column::Left, false}});
}

QLayoutItem* RegionLayout::itemAt(int index) const {
    if (index < 0 || index >= count()) return nullptr;
    return m_items[static_cast<size_t>(index)].item;
}

QLayoutItem* RegionLayout::takeAt(int index) {
    if (index < 0 || index >= count()) return nullptr;
    QLayoutItem* item = m_items[static_cast<size_t>(index)].item;
    m_items.erase(m_items.begin() + index);
    return item;
}

Qt::Orientations RegionLayout::expandingDirections() const { return Qt::Horizontal | Qt::Vertical; }

int RegionLayout::UsableHeight(size_t index) const {
    // The design lets a region's last pixels lie under the group below it in
    // its column (the option group under the button row): contents that need
    // more room grow the region, never into that strip.
    const Region& region = m_items[index].region;
    const QRect& start = region.start;
    int covered = 0;
    for (const Item& other : m_items) {
        const QRect& below = other.region.start;
        if (other.region.needsItsContents && other.region.vertical == region.vertical &&
            below.top() > start.top() && below.intersects(start)) {
            covered = std::max(covered, start.bottom() + 1 - below.top());
        }
    }
    return start.height() - covered;
}

RegionLayout::Growth RegionLayout::ContentsGrowth() const {
    Growth growth;
    growth.pushDown.assign(m_items.size(), 0);
    growth.ownHeight.assign(m_items.size(), 0);
    for (size_t i = 0; i < m_items.size(); ++i) {
        const Item& item = m_items[i];
        if (!item.region.needsItsContents) continue;
        const QSize needed = item.item->minimumSize();
        const int width = std::max(needed.width() - item.region.start.width(), 0);
        if (item.region.horizontal == Column::Left) {
            growth.leftWidth = std::max(growth.leftWidth, width);
        } else {
            growth.rightWidth = std::max(growth.rightWidth, width);
        }
        growth.ownHeight[i] = std::max(needed.height() - UsableHeight(i), 0);
    }
    // A taller region pushes down the regions below it in its column.
    int columnHeight[2] = {0, 0};
    for (size_t i = 0; i < m_items.size(); ++i) {
        const Region& region = m_items[i].region;
        for (size_t j = 0; j < m_items.size(); ++j) {
            const Region& above = m_items[j].region;
            if (above.vertical == region.vertical && above.start.top() < region.start.top()) {
                growth.pushDown[i] += growth.ownHeight[j];
            }
        }
        int& column = columnHeight[region.vertical == Column::Left ? 0 : 1];
        column = std::max(column, growth.pushDown[i] + growth.ownHeight[i]);
    }
    growth.height = std::max(columnHeight[0], columnHeight[1]);
    return growth;
}

QSize RegionLayout::minimumSize() const {
    const Growth growth = ContentsGrowth();
    return m_startSize + QSize(growth.leftWidth + growth.rightWidth, growth.height);
}

QRect RegionLayout::Place(size_t index, const Growth& growth, QSize extra) const {
    const Region& region = m_items[index].region;
    QRect rect = region.start;
    if (region.horizontal == Column::Left) {
        rect.setWidth(rect.width() + growth.leftWidth);
    } else {
        rect.translate(growth.leftWidth, 0);
        if (region.needsItsContents) rect.setWidth(rect.width() + growth.rightWidth);
    }
    rect.translate(0, growth.pushDown[index]);
    rect.setHeight(rect.height() + growth.ownHeight[index]);
    const unsigned follow = region.follow;
    if ((follow & LeftEdge) != 0) rect.setLeft(rect.left() + extra.width());
    if ((follow & RightEdge) != 0) rect.setRight(rect.right() + extra.width());
    if ((follow & TopEdge) != 0) rect.setTop(rect.top() + extra.height());
    if ((follow & BottomEdge) != 0) rect.setBottom(rect.bottom() + extra.height());
    return rect;
}

void RegionLayout::setGeometry(const QRect& rect) {
    QLayout::setGeometry(rect);
    const Growth growth = ContentsGrowth();
    const QSize minimum = m_startSize + QSize(growth.leftWidth + growth.rightWidth, growth.height);
    const QSize extra = (rect.size() - minimum).expandedTo(QSize(0, 0));
    for (size_t i = 0; i < m_items.size(); ++i) {
        const QRect place = Place(i, growth, extra).translated(rect.topLeft());
        // A region gets its place exactly, whatever its size policy would make of it.
        if (QWidget* widget = m_items[i].item->widget()) {
            widget->setGeometry(place);
        } else {
            m_items[i].item->setGeometry(place);
        }
    }
}

}  // namespace app
