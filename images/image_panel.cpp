#include "images/image_panel.h"

#include "ui/file_dialog.h"
#include "ui/form_builder.h"

#include <QFileInfo>
#include <QLabel>
#include <QPaintEvent>
#include <QPainter>
#include <QPushButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QtConcurrent/QtConcurrentRun>

// The picture at its natural size. Only the part being painted is drawn, so
// scrolling a big picture costs no more than a small one.
class PictureView : public QWidget
{
public:
    explicit PictureView(QWidget* parent = nullptr) : QWidget(parent)
    {
        setObjectName(QStringLiteral("Image"));
        resize(0, 0);
    }

    const QImage& image() const { return m_image; }

    // `size` is the whole picture's; `image` may be its top-left part.
    // A screen reader names the picture by its file.
    void show(const QImage& image, const QSize& size, const QString& fileName = QString())
    {
        m_image = image;
        resize(size);
        setAccessibleName(fileName.isEmpty() ? QStringLiteral("No picture")
                                             : QStringLiteral("Picture: %1").arg(fileName));
        update();
    }

protected:
    void paintEvent(QPaintEvent* event) override
    {
        const QRect part = event->rect() & m_image.rect();
        if (part.isEmpty())
            return;
        QPainter painter(this);
        painter.drawImage(part.topLeft(), m_image, part);
    }

private:
    QImage m_image;
};

namespace {

// Pictures up to this size are read at once, in the click's own time.
constexpr qint64 kReadAtOncePixels = 4'000'000;

} // namespace

ImageViewerPanel::ImageViewerPanel(QWidget* parent) : CalculatorPanel("PanelImages", parent)
{
    pictures::allowLargePictures();

    m_scrollBox = new QScrollArea(this);
    m_scrollBox->setObjectName(QStringLiteral("ImageScrollBox"));
    m_scrollBox->setGeometry(16, 24, 617, 329);
    m_scrollBox->setWidgetResizable(false);
    m_scrollBox->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    m_scrollBox->viewport()->setAutoFillBackground(true);
    QPalette white = m_scrollBox->viewport()->palette();
    white.setColor(QPalette::Window, Qt::white);
    m_scrollBox->viewport()->setPalette(white);
    m_scrollBox->horizontalScrollBar()->setTracking(true);
    m_scrollBox->verticalScrollBar()->setTracking(true);
    m_image = new PictureView;
    m_scrollBox->setWidget(m_image);
    m_imageFileNameLabel = form::label(this, "ImageFileNameLabel", 16, 365, QString());
    m_imageFileNameLabel->resize(490, m_imageFileNameLabel->height());
    m_loadImage = form::button(this, "LoadImage", 520, 360, 113, 25, QStringLiteral("Load Image"));

    onClick(m_loadImage, &ImageViewerPanel::loadImage);

    resetToStartState();
}

ImageViewerPanel::~ImageViewerPanel()
{
    cancelJob();
}

void ImageViewerPanel::resetToStartState()
{
    cancelJob();
    m_image->show(QImage(), QSize(0, 0));
    m_imageFileNameLabel->setText(QStringLiteral("No image file currently open"));
    m_imageFileNameLabel->setToolTip(QString());
}

const QImage& ImageViewerPanel::picture() const
{
    return m_image->image();
}

void ImageViewerPanel::loadImage()
{
    ui::FileDialogRequest request;
    request.mode = ui::FileDialogRequest::Mode::Open;
    request.filters = {QStringLiteral("All supported images (*.bmp *.jpg *.wmf)"),
                       QStringLiteral("Bitmap files (*.bmp)"), QStringLiteral("JPEG files (*.jpg)"),
                       QStringLiteral("Windows metafiles (*.wmf)"), QStringLiteral("All files (*)")};
    const std::optional<QString> chosen = ui::askForFile(window(), request);
    if (!chosen || chosen->isEmpty())
        return;
    showPictureFile(*chosen);
}

void ImageViewerPanel::showPictureFile(const QString& path)
{
    const pictures::Kind kind = pictures::kindOf(path);
    if (pictures::isMetafile(kind)) {
        const QByteArray bytes = pictures::readMetafileBytes(path);
        cancelJob();
        startMetafileJob(path, kind, bytes);
        return;
    }
    const pictures::RasterFile file = pictures::inspectRaster(path, kind);
    const QSize size = file.size;
    if (!size.isValid() || qint64(size.width()) * size.height() <= kReadAtOncePixels) {
        const pictures::RasterResult whole = pictures::readRaster(file);
        if (!whole.error.isEmpty())
            throw pictures::PictureError(whole.error);
        cancelJob();
        showPicture(whole.image, whole.image.size(), path);
        return;
    }
    if (file.canReadRegion) {
        const QRect visible =
            QRect(QPoint(0, 0), m_scrollBox->maximumViewportSize()) & QRect(QPoint(0, 0), size);
        const pictures::RasterResult part = pictures::readRaster(file, visible);
        if (!part.error.isEmpty())
            throw pictures::PictureError(part.error);
        cancelJob();
        m_beforePart = shown();
        showPicture(part.image, size, path);
    } else {
        cancelJob();
    }
    startRasterJob(file);
}

void ImageViewerPanel::startRasterJob(const pictures::RasterFile& file)
{
    const QString path = file.path;
    m_rasterJob = new QFutureWatcher<pictures::RasterResult>(this);
    connect(m_rasterJob, &QFutureWatcherBase::finished, this, [this, path] {
        const pictures::RasterResult result = m_rasterJob->result();
        jobFinished(result.image, result.error, path);
    });
    m_rasterJob->setFuture(QtConcurrent::run([file] { return pictures::readRaster(file); }));
}

void ImageViewerPanel::startMetafileJob(const QString& path, pictures::Kind kind, const QByteArray& bytes)
{
    m_metafileJob = new pictures::MetafileDrawing(path, kind, this);
    connect(m_metafileJob, &pictures::MetafileDrawing::finished, this,
            [this, path](const QImage& image, const QString& error) { jobFinished(image, error, path); });
    m_metafileJob->start(bytes);
}

void ImageViewerPanel::jobFinished(const QImage& image, const QString& error, const QString& path)
{
    const std::optional<Shown> before = std::move(m_beforePart);
    m_beforePart.reset();
    cancelJob();
    if (error.isEmpty()) {
        showPicture(image, image.size(), path);
        return;
    }
    if (before)
        restore(*before);
    guarded([&error] { throw pictures::PictureError(error); });
}

void ImageViewerPanel::cancelJob()
{
    // A job ended here leaves its reader thread to finish alone; only the
    // watcher, and with it the result, goes.
    if (m_rasterJob) {
        m_rasterJob->disconnect(this);
        m_rasterJob->deleteLater();
        m_rasterJob = nullptr;
    }
    if (m_metafileJob) {
        m_metafileJob->disconnect(this);
        m_metafileJob->deleteLater();
        m_metafileJob = nullptr;
    }
    if (m_beforePart) {
        restore(*m_beforePart);
        m_beforePart.reset();
    }
}

void ImageViewerPanel::showPicture(const QImage& image, const QSize& size, const QString& path)
{
    m_image->show(image, size, QFileInfo(path).fileName());
    m_scrollBox->horizontalScrollBar()->setValue(0);
    m_scrollBox->verticalScrollBar()->setValue(0);
    const QString text = QStringLiteral("Current image file: %1").arg(path);
    const QString label =
        m_imageFileNameLabel->fontMetrics().elidedText(text, Qt::ElideMiddle, m_imageFileNameLabel->width());
    m_imageFileNameLabel->setText(label);
    m_imageFileNameLabel->setToolTip(label == text ? QString() : path);
}

ImageViewerPanel::Shown ImageViewerPanel::shown() const
{
    return {m_image->image(), m_image->size(), m_imageFileNameLabel->text(), m_imageFileNameLabel->toolTip()};
}

void ImageViewerPanel::restore(const Shown& shown)
{
    const QString name = m_image->accessibleName();
    m_image->show(shown.image, shown.size);
    m_image->setAccessibleName(name);
    m_imageFileNameLabel->setText(shown.label);
    m_imageFileNameLabel->setToolTip(shown.labelHint);
}
