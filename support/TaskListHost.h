#pragma once

// Header-only (tavrel_support): for the task-list tests and the picture tool, which link the
// controls themselves.

#include "CTaskListCtrl.h"

#include <QHeaderView>
#include <QList>
#include <QWidget>

#include <functional>

/// A parent for the task list, as the main window is: it answers UM_GETCELLINFO through `fill`
/// and records every request and notification it receives.
class TaskListHost : public QWidget
{
public:
    struct Query
    {
        int item;
        int subItem;
        bool operator==(const Query &) const = default;
    };

    TaskListHost()
        : list(new CTaskListCtrl(this))
    {
        // Exact colours in the pictures: no smoothing of the glyphs.
        QFont font = list->font();
        font.setStyleStrategy(QFont::NoAntialias);
        list->setFont(font);
        list->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        list->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    }

    /// The five columns of the main window.
    void insertTaskColumns()
    {
        list->InsertColumn(0, QStringLiteral("Source"), Qt::AlignLeft, 120);
        list->InsertColumn(1, QStringLiteral("Begin Time"), Qt::AlignHCenter, 70);
        list->InsertColumn(2, QStringLiteral("End Time"), Qt::AlignHCenter, 70);
        list->InsertColumn(3, QStringLiteral("Output"), Qt::AlignLeft, 100);
        list->InsertColumn(4, QStringLiteral("Progress"), Qt::AlignLeft, 250);
    }

    /// Sizes the list so that its viewport shows `rows` rows (a fraction gives a partly visible
    /// row at the bottom) and is `width` pixels wide.
    void sizeListForRows(double rows, int width = 640)
    {
        // Header and frame around the viewport (its own geometry follows only once shown).
        const int chrome = 2 * list->frameWidth() + list->horizontalHeader()->sizeHint().height();
        list->resize(width, chrome + int(rows * list->verticalHeader()->defaultSectionSize()));
        resize(width + 20, list->height() + 40);
    }

    std::function<void(CellInfo &)> fill;
    QList<Query> queries;
    QList<CellHitInfo> cellClicks;
    QList<HeaderClickInfo> headerClicks;
    CTaskListCtrl *list;

protected:
    bool event(QEvent *event) override
    {
        switch (int(event->type())) {
        case UM_GETCELLINFO: {
            CellInfo *info = static_cast<GetCellInfoEvent *>(event)->record();
            queries.append(Query{info->item, info->subItem});
            if (fill)
                fill(*info);
            return true;
        }
        case UM_CELLCLICK:
            cellClicks.append(*static_cast<CellClickEvent *>(event)->record());
            return true;
        case UM_HEADERRCLICK:
            headerClicks.append(*static_cast<HeaderRClickEvent *>(event)->record());
            return true;
        default:
            return QWidget::event(event);
        }
    }
};
