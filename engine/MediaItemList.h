#pragma once

#include <QString>
#include <QStringList>

/// A list the media component hands out (codecs, WMV profiles): a plain value holding item names
/// in a fixed order. Indexes are the ones the component's index properties take.
class MediaItemList
{
public:
    MediaItemList() = default;
    explicit MediaItemList(QStringList names)
        : m_names(std::move(names))
    {}

    /// Number of items.
    int Count() const { return int(m_names.size()); }
    /// Name of item index (0-based); empty for an index out of range.
    QString ItemName(int index) const
    {
        return index >= 0 && index < Count() ? m_names.at(index) : QString();
    }
    const QStringList &names() const { return m_names; }

private:
    QStringList m_names;
};
