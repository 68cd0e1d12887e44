#pragma once
// Runs a built program as a process and collects its answer.

#include <QProcess>
#include <QString>
#include <QStringList>

namespace zentaloger::testing {

struct Answer {
    int status = -1;
    QString out;
    QString err;
};

// `environment` holds NAME=VALUE to set and NAME alone to remove; a program that does not end
// normally within 60 s answers status -1 with the reason in `err`.
inline Answer RunProgram(const QString& program, const QStringList& arguments,
                         const QStringList& environment) {
    QProcess process;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    for (const QString& variable : environment) {
        const qsizetype equals = variable.indexOf(u'=');
        if (equals < 0) {
            env.remove(variable);
        } else {
            env.insert(variable.left(equals), variable.mid(equals + 1));
        }
    }
    process.setProcessEnvironment(env);
    process.start(program, arguments);
    Answer answer;
    if (!process.waitForFinished(60000) || process.exitStatus() != QProcess::NormalExit) {
        process.kill();
        process.waitForFinished();
        answer.err = QStringLiteral("did not end normally: ") + process.readAllStandardError();
        return answer;
    }
    answer.status = process.exitCode();
    answer.out = QString::fromUtf8(process.readAllStandardOutput());
    answer.err = QString::fromUtf8(process.readAllStandardError());
    return answer;
}

}  // namespace zentaloger::testing
