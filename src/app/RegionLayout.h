#pragma once

#include <QLayout>
#include <QRect>

#include <vector>

namespace app {

// The main window's layout: each region (a panel or a single control) has
// the place the window's design gives it at the start size, and rules for
// a larger window. The design's regions overlap by a few pixels (the option
// group reaches under the separator group and the button row), which box and
// grid layouts cannot express; inside each region its own Qt layout arranges
// the controls.
//
// A region whose contents need more room than its start place (another
// style, a larger font) gets it: a wider left column pushes the right side
// over, a taller region pushes the regions below it in its column down, and
// the window's minimum grows by as much. So nothing is clipped or overlaps
// under any style; with the program's own style and fonts the start size is
// the minimum and every region is where the design puts it.
class RegionLayout final : public QLayout {
public:
    enum class Column { Left, Right };

    // The edges of a region that follow the window when it is larger than
    // its minimum: by the extra width (left, right) or height (top, bottom).
    enum Follow : unsigned {
        Fixed = 0,
        LeftEdge = 1,
        RightEdge = 2,
        TopEdge = 4,
        BottomEdge = 8,
    };

    struct Region {
        QRect start;
        unsigned follow = Fixed;
        // Whose widening moves it sideways, whose taller regions push it down.
        Column horizontal = Column::Left;
        Column vertical = Column::Left;
        // Its contents' minimum size widens or lengthens its column.
        bool needsItsContents = false;
    };

    RegionLayout(QWidget* window, QSize startSize);
    ~RegionLayout() override;

    void AddRegion(QWidget* widget, const Region& region);

    void addItem(QLayoutItem* item) override;
    QLayoutItem* itemAt(int index) const override;
    QLayoutItem* takeAt(int index) override;
    int count() const override { return static_cast<int>(m_items.size()); }
    QSize sizeHint() const override { return minimumSize(); }
    QSize minimumSize() const override;
    Qt::Orientations expandingDirections() const override;
    void setGeometry(const QRect& rect) override;

private:
    struct Item {
        QLayoutItem* item;
        Region region;
    };
    // The room the regions' contents ask beyond their start places.
    struct Growth {
        int leftWidth = 0;           // the left column's extra width
        int rightWidth = 0;          // the right side's extra width, at its right edge
        std::vector<int> pushDown;   // per region: the extra heights above it in its column
        std::vector<int> ownHeight;  // per region: its own extra height
        int height = 0;              // the taller column's extra height
    };

    // The height of a region's start place that no region below it covers.
    int UsableHeight(size_t index) const;
    Growth ContentsGrowth() const;
    QRect Place(size_t index, const Growth& growth, QSize extra) const;

    QSize m_startSize;
    std::vector<Item> m_items;
};

}  // namespace app
