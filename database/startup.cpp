#include "database/startup.h"

#include <QFile>

namespace zentaloger {

StartupState StartUp(const QString& resourcePath) {
    StartupState state;
    {
        QFile resource(resourcePath);
        if (!resource.open(QIODevice::ReadOnly)) {
            throw std::runtime_error(QString(QStringLiteral("database: the program's resource ") +
                                             resourcePath + QStringLiteral(" cannot be read"))
                                         .toStdString());
        }
        const QByteArray bytes = resource.readAll();
        state.database = LoadDatabase(bytes);
    }  // the bytes are released here; only the tables hold the data from now on
    state.view = ViewState{};
    return state;
}

std::future<StartupState> StartUpInBackground(const QString& resourcePath) {
    return std::async(std::launch::async, [resourcePath] { return StartUp(resourcePath); });
}

}  // namespace zentaloger
