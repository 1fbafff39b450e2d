#include "support/Background.h"

#include <QThreadPool>

namespace kovex::background {

namespace {

// A save has at most a copy and its report in flight, and lets go of the
// two files it replaced, whose discards may still be running at the next
// save: six threads never make a save wait for one.
constexpr int kThreads = 6;

class FilePool : public QThreadPool {
  public:
    FilePool() { setMaxThreadCount(kThreads); }
};

// Its end, at the program's, waits for the work still running: no file is
// left half done.
QThreadPool& filePool() {
    static FilePool pool;
    return pool;
}

} // namespace

void start(const std::function<void()>& task) {
    if (!filePool().tryStart(task))
        task();
}

} // namespace kovex::background
