#pragma once

#include "model/projectchange.h"

#include <QString>
#include <QVector>

// The saved functions of one type, in order of first save (or of import),
// keyed by their unique name. Every change through add, replace, remove and
// clear is announced (ProjectChange); whoever changes a record in place
// through find announces that change.
template <typename Record> class FunctionStore
{
public:
    explicit FunctionStore(int capacityHint = 0)
    {
        if (capacityHint > 0)
            items.reserve(capacityHint);
    }

    // Exact, case-sensitive; the handle allows modification in place.
    Record *find(const QString &name)
    {
        for (Record &record : items) {
            if (record.name == name)
                return &record;
        }
        return nullptr;
    }
    const Record *find(const QString &name) const
    {
        return const_cast<FunctionStore *>(this)->find(name);
    }

    bool contains(const QString &name) const { return find(name) != nullptr; }

    // Appends unless a record of the same name exists.
    bool add(const Record &record)
    {
        if (contains(record.name))
            return false;
        items.append(record);
        ProjectChange::announce();
        return true;
    }

    // Overwrites the record called oldName with every field of record.
    bool replace(const QString &oldName, const Record &record)
    {
        Record *stored = find(oldName);
        if (!stored)
            return false;
        *stored = record;
        ProjectChange::announce();
        return true;
    }

    bool remove(const QString &name)
    {
        for (int i = 0; i < items.size(); ++i) {
            if (items.at(i).name == name) {
                items.remove(i);
                ProjectChange::announce();
                return true;
            }
        }
        return false;
    }

    void clear()
    {
        items.clear();
        ProjectChange::announce();
    }

    int size() const { return items.size(); }
    bool isEmpty() const { return items.isEmpty(); }
    const QVector<Record> &records() const { return items; }
    typename QVector<Record>::const_iterator begin() const { return items.cbegin(); }
    typename QVector<Record>::const_iterator end() const { return items.cend(); }

private:
    QVector<Record> items;
};
