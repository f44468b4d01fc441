#include "childjob.h"

#include <QCoreApplication>
#include <QProcessEnvironment>

#include <cstdio>
#include <cstdlib>

namespace {
const char* const kJobVariable = "PRUZ_CHILD_JOB";
const char* const kArgVariable = "PRUZ_CHILD_ARG";
} // namespace

void runChildJobIfAsked(const std::map<std::string, ChildJob>& jobs)
{
    const QByteArray job = qgetenv(kJobVariable);
    if (job.isEmpty())
        return;
    const auto found = jobs.find(job.toStdString());
    std::exit(found == jobs.end() ? 99 : found->second(qEnvironmentVariable(kArgVariable)));
}

bool startChildJob(QProcess& child, const QString& job, const QString& arg)
{
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QString::fromLatin1(kJobVariable), job);
    env.insert(QString::fromLatin1(kArgVariable), arg);
    child.setProcessEnvironment(env);
    child.start(QCoreApplication::applicationFilePath(), {});
    while (child.waitForReadyRead(10000))
        if (child.readAll().contains("ready"))
            return true;
    return false;
}

void sayReady()
{
    std::fputs("ready\n", stdout);
    std::fflush(stdout);
}
