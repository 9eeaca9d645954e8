#pragma once

#include <QStylePlugin>

class CommonStylePlugin : public QStylePlugin
{
    Q_OBJECT
    Q_PLUGIN_METADATA(IID QStyleFactoryInterface_iid FILE "CommonStyle.json")

public:
    explicit CommonStylePlugin(QObject* parent = nullptr);
    ~CommonStylePlugin() override;

    QStyle* create(const QString& key) override;
};
