#pragma once

#include <QCoreApplication>
#include <QProcess>

#include <gtest/gtest.h>

// Another copy of the game at work on the high-score file, in a process of its own: the program
// velquist_anotherCopy beside the tests (anotherCopy.cpp says what each role does). Ended when it
// goes out of scope, if it has not finished by then.
class AnotherCopy {
  public:
    explicit AnotherCopy(const QStringList& arguments) {
        process.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        process.start(QCoreApplication::applicationDirPath() + "/velquist_anotherCopy", arguments);
        EXPECT_TRUE(process.waitForStarted()) << process.errorString().toStdString();
    }
    ~AnotherCopy() { end(); }
    AnotherCopy(const AnotherCopy&) = delete;
    AnotherCopy& operator=(const AnotherCopy&) = delete;

    // Waits until the copy says this word on a line of its own.
    void waitToSay(const QByteArray& word) {
        while (!process.canReadLine() && process.waitForReadyRead(30000)) {
        }
        EXPECT_EQ(process.readLine().trimmed(), word);
    }
    void tell(const QByteArray& line) { process.write(line + '\n'); }
    // Waits for the copy to end by itself; true when it ended well.
    bool finish() {
        return process.waitForFinished(60000) && process.exitStatus() == QProcess::NormalExit &&
               process.exitCode() == 0;
    }
    void end() {
        if (process.state() != QProcess::NotRunning) {
            process.kill();
            process.waitForFinished();
        }
    }

  private:
    QProcess process;
};
