#pragma once

#include <Fenwork/ShareTools.h>

#include <QComboBox>
#include <QStringList>

// How the group form refills a combo box. A box's own change signal runs
// further slots of the form, so each caller picks how many of those runs it
// wants:
// - silently: no slot runs, the box ends on its first item;
// - first item: the slot runs once, for index 0;
// - plainly: the slot runs for the emptied box (-1) and again for index 0.
// Until the form connects its boxes (live) a refill has no connection to
// cut or restore.
template <class Form>
class ComboRefill
{
public:
    using Slot = void (Form::*)(int);

    explicit ComboRefill(Form* form)
        : m_form(form)
    {
    }

    void setLive(bool live) { m_live = live; }

    void silently(QComboBox* box, Slot slot, const QStringList& items, const char* function) const
    {
        if (m_live)
            QObject::disconnect(box, &QComboBox::currentIndexChanged, m_form, slot);
        box->clear();
        box->addItems(items);
        reconnect(box, slot, function);
    }

    void firstItem(QComboBox* box, Slot slot, const QStringList& items, const char* function) const
    {
        if (m_live)
            QObject::disconnect(box, &QComboBox::currentIndexChanged, m_form, slot);
        box->clear();
        reconnect(box, slot, function);
        box->addItems(items);
    }

    static void plainly(QComboBox* box, const QStringList& items)
    {
        box->clear();
        box->addItems(items);
    }

private:
    void reconnect(QComboBox* box, Slot slot, const char* function) const
    {
        if (m_live)
            ShareTools::checkConnection(QObject::connect(box, &QComboBox::currentIndexChanged, m_form, slot),
                                        __FILE__, __LINE__, function);
    }

    Form* m_form;
    bool m_live = false;
};
