#include "cli/progress_line.h"

#include <cstdio>
#include <string>

#include "cli/terminal_output.h"
#include "platform/text/cp1252.h"

namespace lumar::cli {

namespace {

class LineWindow : public ProgressWindow {
public:
    LineWindow() : draw_(MessagesGoToTerminal() && !Quiet()) {}
    ~LineWindow() override {
        if (draw_ && drawn_) {
            MessageStream() << "\r\033[K" << std::flush;
        }
    }
    LineWindow(const LineWindow&) = delete;
    LineWindow& operator=(const LineWindow&) = delete;

    void SetRange(std::int32_t minimum, std::int32_t maximum) override {
        minimum_ = minimum;
        maximum_ = maximum;
        Draw();
    }
    void SetPosition(std::int32_t position) override {
        position_ = position;
        Draw();
    }
    [[nodiscard]] std::int32_t Position() const override { return position_; }
    void SetText(const std::string& text) override {
        text_ = text::toUtf8(text);
        Draw();
    }
    void Show() override { Draw(); }

private:
    void Draw() {
        if (!draw_) {
            return;
        }
        const std::int64_t span = static_cast<std::int64_t>(maximum_) - minimum_;
        const std::int64_t done = static_cast<std::int64_t>(position_) - minimum_;
        const int percent =
            span > 0
                ? static_cast<int>(100 * std::max<std::int64_t>(0, std::min(done, span)) / span)
                : 0;
        char shown[8];
        std::snprintf(shown, sizeof shown, "%3d%%", percent);
        MessageStream() << "\r\033[K" << shown << ' ' << text_ << std::flush;
        drawn_ = true;
    }

    bool draw_;
    bool drawn_ = false;
    std::int32_t minimum_ = 0;
    std::int32_t maximum_ = 0;
    std::int32_t position_ = 0;
    std::string text_;
};

}  // namespace

std::unique_ptr<ProgressWindow> ProgressLine::Create(CProgressDlg& /*dialog*/, void* /*parent*/) {
    return std::make_unique<LineWindow>();
}

}  // namespace lumar::cli
