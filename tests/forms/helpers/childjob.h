#pragma once
// A test that needs a second program (one holding a lock, one killed in the
// middle of a write) starts its own executable again with PRUZ_CHILD_JOB
// naming the job. The child does that job, says "ready" on its output when
// it has got so far, and exits or waits to be killed.

#include <QProcess>
#include <QString>

#include <functional>
#include <map>
#include <string>

using ChildJob = std::function<int(const QString& arg)>;

// First thing in main(): when this process is such a child, runs its job
// and exits with the job's status; otherwise returns at once.
void runChildJobIfAsked(const std::map<std::string, ChildJob>& jobs);

// Starts `job` with `arg` in a child copy of this program and waits until it
// has said "ready" (true) or has ended (false).
bool startChildJob(QProcess& child, const QString& job, const QString& arg);

// For the job: tells the parent it got so far.
void sayReady();
