#pragma once
// Qt tests wait for what matters, never for a time: the event loop runs
// until a condition holds, and a modal window is answered once it is up,
// from its own event loop. Every wait is bounded generously (WaitSeconds),
// so a slow or loaded machine only waits longer, and a failure names what
// was waited for.

#include <gtest/gtest.h>

#include <QApplication>
#include <QEvent>
#include <QPointer>
#include <QTest>
#include <QTimer>
#include <QWidget>
#include <algorithm>
#include <functional>
#include <map>
#include <memory>
#include <string>
#include <utility>
#include <vector>

namespace quorvel::testing {

inline constexpr int WaitSeconds = 30;

// Runs the event loop until done() holds; false when WaitSeconds pass first.
template <typename Done>
[[nodiscard]] bool waitFor(Done done) {
    return QTest::qWaitFor(done, WaitSeconds * 1000);
}

// Waits until the window is exposed and active; false when WaitSeconds pass first.
[[nodiscard]] inline bool waitForActive(QWidget* window) {
    return QTest::qWaitForWindowActive(window, WaitSeconds * 1000);
}

// The types of the events an object receives from the log's making on.
class EventLog : public QObject {
public:
    explicit EventLog(QObject* watched) : watched_(watched) { watched->installEventFilter(this); }
    ~EventLog() override {
        if (watched_) watched_->removeEventFilter(this);
    }
    bool came(QEvent::Type type) const { return std::find(types_.begin(), types_.end(), type) != types_.end(); }

protected:
    bool eventFilter(QObject* object, QEvent* event) override {
        if (object == watched_) types_.push_back(event->type());
        return false;
    }

private:
    QPointer<QObject> watched_;
    std::vector<QEvent::Type> types_;
};

// Answers modal windows as they come up: the next one only, or every one.
// The answer runs once the window's own event loop runs. A window still up
// WaitSeconds after its answer is a failure naming it (and `step`, what the
// test was doing); it is then closed so that the test goes on.
class ModalAnswers : public QObject {
public:
    using Answer = std::function<void(QWidget&)>;
    explicit ModalAnswers(Answer answer, bool every = false) : answer_(std::move(answer)), every_(every) {
        QApplication::instance()->installEventFilter(this);
    }
    ~ModalAnswers() override { QApplication::instance()->removeEventFilter(this); }
    std::string step;
    int answered = 0;

protected:
    bool eventFilter(QObject* object, QEvent* event) override {
        if (event->type() != QEvent::Show || event->spontaneous() || !object->isWidgetType()) return false;
        auto* window = static_cast<QWidget*>(object);
        if (!window->isWindow() || !window->isModal() || (done_ && !every_)) return false;
        done_ = true;
        const int shown = ++shows_[window];
        QMetaObject::invokeMethod(
            this, [this, window = QPointer<QWidget>(window), shown] { answer(window, shown); }, Qt::QueuedConnection);
        return false;
    }

private:
    void answer(QPointer<QWidget> window, int shown) {
        if (!window || !window->isVisible()) return;  // closed by the program itself
        ++answered;
        const std::string title = window->windowTitle().toStdString();
        const std::string at = step;
        QTimer::singleShot(WaitSeconds * 1000, this, [this, window, shown, title, at] {
            if (!window || !window->isVisible() || shows_[window] != shown) return;
            ADD_FAILURE() << "the window \"" << title << "\" (" << at << ") was still up " << WaitSeconds
                          << " s after its answer";
            window->close();
        });
        answer_(*window);
    }
    Answer answer_;
    bool every_;
    bool done_ = false;
    std::map<QWidget*, int> shows_;
};

// Answers the next modal window once it is up with answer.
[[nodiscard]] inline std::unique_ptr<ModalAnswers> whenModalUp(ModalAnswers::Answer answer) {
    return std::make_unique<ModalAnswers>(std::move(answer));
}

}  // namespace quorvel::testing
