#pragma once

#include <QObject>
#include <QString>

#include <cstdlib>

// A named child widget of a window a test drives; a missing one ends the
// test at once with its name, rather than with a null dereference later.
template<typename T>
T* childNamed(const QObject* root, const char* name)
{
    T* widget = root->findChild<T*>(QString::fromLatin1(name));
    if (!widget)
        qFatal("no widget named %s", name);
    return widget;
}
