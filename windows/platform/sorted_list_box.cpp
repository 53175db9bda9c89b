// Platform layer (windows/platform/): see sorted_list_box.h.
#include "sorted_list_box.h"

#include <QPainter>
#include <algorithm>

namespace tavimor {

SortedListBox::SortedListBox(QWidget *parent) : QWidget(parent)
{
    setFocusPolicy(Qt::StrongFocus);
}

void SortedListBox::Clear()
{
    m_items.clear();
    update();
}

void SortedListBox::AddItem(const QString &text)
{
    const auto place = std::lower_bound(m_items.begin(), m_items.end(), text,
                                        [](const QString &item, const QString &added) {
                                            return item.localeAwareCompare(added) < 0;
                                        });
    m_items.insert(place, text);
    update();
}

void SortedListBox::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.fillRect(rect(), palette().base());
    painter.setPen(palette().text().color());
    const int line = fontMetrics().height();
    QRect row(2, 1, width() - 4, line);
    for (const QString &item : m_items) {
        if (row.top() >= height()) {
            break;
        }
        painter.drawText(row, Qt::AlignLeft | Qt::AlignVCenter, item);
        row.translate(0, line);
    }
}

}  // namespace tavimor
