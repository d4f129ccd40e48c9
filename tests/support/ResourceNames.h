#pragma once
// Windows name their controls, actions and bars by resource id (the object
// name is the id's decimal number); tests reach them through the symbolic
// ids, so that a reader sees which control is meant.
#include <QObject>
#include <QString>

namespace testsupport {

inline QString IdName(int id) { return QString::number(id); }

// The child of parent (at any depth) named by id, or nullptr.
template <class T>
T* FindById(const QObject* parent, int id) {
    return parent ? parent->findChild<T*>(IdName(id)) : nullptr;
}

}  // namespace testsupport
