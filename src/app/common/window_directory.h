#pragma once
// The windows the main window's commands open. Each part of the program registers an
// opener for its windows at start (RegisterProgramWindows); a window that has no opener
// yet is not offered, so no command pretends to work.

#include <QPointer>
#include <QWidget>

#include <array>
#include <cstddef>
#include <functional>
#include <memory>
#include <vector>

namespace vostrel::app {

enum class ProgramWindow {
    DataEditor,
    ControlCharts,
    PerformanceCharts,
    BoxPlots,
    Histogram,
    FrequencyPlots,
    Count
};

class WindowDirectory {
  public:
    // Shows the window (creating it on first use); caller is the window whose "Return to"
    // command it should go back to. Returns the window shown, or nullptr when it could not
    // open (after any message of its own).
    using Opener = std::function<QWidget*(QWidget* caller)>;

    void Register(ProgramWindow window, Opener opener) {
        openers_[Index(window)] = std::move(opener);
    }
    bool Has(ProgramWindow window) const { return static_cast<bool>(openers_[Index(window)]); }
    QWidget* Open(ProgramWindow window, QWidget* caller) const {
        const Opener& opener = openers_[Index(window)];
        return opener ? opener(caller) : nullptr;
    }

    // Keeps a window created on first use until the program ends (the directory is
    // destroyed before the application object).
    template <class Window>
    Window* Keep(Window* window) {
        kept_.emplace_back(window);
        return window;
    }
    ~WindowDirectory() {
        for (auto it = kept_.rbegin(); it != kept_.rend(); ++it) delete it->data();
    }

    WindowDirectory() = default;
    WindowDirectory(const WindowDirectory&) = delete;
    WindowDirectory& operator=(const WindowDirectory&) = delete;

  private:
    static std::size_t Index(ProgramWindow window) { return static_cast<std::size_t>(window); }
    std::array<Opener, static_cast<std::size_t>(ProgramWindow::Count)> openers_{};
    std::vector<QPointer<QWidget>> kept_;
};

}  // namespace vostrel::app
