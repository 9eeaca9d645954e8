#pragma once

#include <QApplication>
#include <QString>

#include <memory>

namespace SharedTools {

class InstanceLock;

// An application object that knows whether another process of the same
// application id already runs for this user. The first process claims the id
// when it constructs its application object.
class QtSingleApplication : public QApplication
{
    Q_OBJECT

public:
    QtSingleApplication(const QString& id, int& argc, char** argv);
    ~QtSingleApplication() override;

    QString id() const;
    // True while another process holds the id. Asking again after that
    // process ended claims the id for this one.
    bool isRunning();

private:
    QString m_id;
    std::unique_ptr<InstanceLock> m_lock;
};

} // namespace SharedTools
