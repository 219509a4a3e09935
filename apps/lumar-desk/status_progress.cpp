#include "status_progress.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QProgressBar>

#include "platform/host/text_object.h"
#include "platform/text/qt/qt_text.h"

namespace lumar::desk {

StatusProgress::StatusProgress(QWidget* parent)
    : QWidget(parent), label_(new QLabel(this)), bar_(new QProgressBar(this)) {
    setObjectName("StatusProgress");
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(label_);
    layout->addWidget(bar_);
    bar_->setMaximumWidth(220);
    bar_->setRange(0, 0);
    bar_->setTextVisible(false);
    hide();

    monitor_.beginOperation = [](void* data) {
        StatusProgress& progress = self(data);
        progress.running_ = true;
        progress.show();
        progress.showNow();
    };
    monitor_.endOperation = [](void* data) {
        StatusProgress& progress = self(data);
        progress.running_ = false;
        progress.hide();
        progress.label_->clear();
    };
    monitor_.setDuration = [](std::int32_t duration, void* data) {
        StatusProgress& progress = self(data);
        progress.bar_->setRange(0, std::max<std::int32_t>(duration, 0));
        progress.showNow();
    };
    monitor_.setCurrentValue = [](std::int32_t value, void* data) {
        StatusProgress& progress = self(data);
        progress.bar_->setValue(value);
        progress.showNow();
    };
    monitor_.currentValue = [](void* data) { return self(data).value(); };
    monitor_.setText = [](const host::TextObject* text, void* data) {
        StatusProgress& progress = self(data);
        progress.label_->setText(text != nullptr ? text::toQString(text->text()) : QString());
        progress.showNow();
    };
}

StatusProgress& StatusProgress::self(void* clientData) {
    return *static_cast<StatusProgress*>(clientData);
}

std::int32_t StatusProgress::value() const {
    return bar_->value();
}

std::int32_t StatusProgress::duration() const {
    return bar_->maximum();
}

QString StatusProgress::text() const {
    return label_->text();
}

void StatusProgress::showNow() {
    if (isVisible()) {
        repaint();
    }
}

}  // namespace lumar::desk
