#include "simulator/ui/design_preview_pane.h"

#include <QFontDatabase>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QTimer>
#include <QVBoxLayout>

#include "editors/ui/editor_sheet.h"
#include "editors/ui/widget_binding.h"
#include "simulator/screen_text.h"
#include "simulator/ui/screen_painter.h"

namespace tessel::ui {
namespace {

// The terminal's picture around the text area shows with the screen.
constexpr int kFrame = 8;

}  // namespace

// The screen's part of the terminal picture with the preview's screen on it.
class DesignPreviewPane::ScreenView : public QWidget {
public:
    ScreenView(const DesignPreviewPane& pane, int family, QWidget* parent)
        : QWidget(parent),
          pane_(pane),
          family_(family),
          shown_(screenGeometry(family).area.adjusted(-kFrame, -kFrame, kFrame, kFrame)) {
        setObjectName("previewScreen");
        setFixedSize(shown_.size());
    }

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter painter(this);
        painter.translate(-shown_.topLeft());
        painter.drawPixmap(0, 0, pane_.artwork_.image(0));
        paintScreen(painter, pane_.artwork_, family_, pane_.preview_.screen, true);
    }

private:
    const DesignPreviewPane& pane_;
    int family_;
    QRect shown_;
};

DesignPreviewPane::DesignPreviewPane(EditorSheet& sheet, const Project& project, const Strings& strings,
                                     const sim::Clock& clock, const QString& artworkFolder, QWidget* parent)
    : QWidget(parent),
      sheet_(sheet),
      project_(project),
      strings_(strings),
      clock_(clock),
      artwork_(project.family, devicePixelRatioF(), artworkFolder),
      screen_(new ScreenView(*this, project.family, this)),
      recordHeading_(new QLabel(tr("Sample record:"), this)),
      record_(new QLineEdit(this)) {
    setObjectName("designPreview");
    record_->setObjectName("sampleRecord");
    record_->setReadOnly(true);
    record_->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    record_->setToolTip(tr("The line a receive writes when the form is completed with sample data"));
    recordHeading_->setBuddy(record_);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(new QLabel(tr("Terminal screen:"), this));
    layout->addWidget(screen_);
    layout->addWidget(recordHeading_);
    layout->addWidget(record_);
    layout->addStretch();
    setFixedWidth(screen_->width());

    connect(&sheet_, &EditorSheet::previewChanged, this, &DesignPreviewPane::refreshSoon);
    refresh();
}

DesignPreviewPane::~DesignPreviewPane() = default;

void DesignPreviewPane::refreshSoon() {
    if (refreshPending_) return;
    refreshPending_ = true;
    QTimer::singleShot(0, this, &DesignPreviewPane::refresh);
}

void DesignPreviewPane::refresh() {
    refreshPending_ = false;
    Project working = project_;
    working.definition = sheet_.workingDefinition();
    preview_ = sim::previewDesign(working, strings_, clock_, sheet_.previewSubject());
    recordHeading_->setVisible(preview_.hasRecord);
    record_->setVisible(preview_.hasRecord);
    record_->setText(toQString(sim::displayText(preview_.record)));
    screen_->update();
}

QStringList DesignPreviewPane::textRows() const {
    QStringList rows;
    for (int row = 0; row < sim::kScreenRows; ++row) rows << toQString(sim::shownRowText(preview_.screen, row));
    return rows;
}

QString DesignPreviewPane::recordText() const { return preview_.hasRecord ? record_->text() : QString(); }

}  // namespace tessel::ui
