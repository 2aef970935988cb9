#include "help/help_tabs.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSignalBlocker>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace help {

namespace {

QLabel* captionFor(QWidget* buddy, const QString& text, QWidget* parent)
{
    auto* label = new QLabel(text, parent);
    label->setBuddy(buddy);
    label->setWordWrap(true);
    buddy->setAccessibleName(QString(text).remove(u'&').remove(u':'));
    return label;
}

QHBoxLayout* rightAligned(QWidget* button)
{
    auto* row = new QHBoxLayout;
    row->addStretch(1);
    row->addWidget(button);
    return row;
}

} // namespace

HelpIndexTab::HelpIndexTab(QWidget* parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("HelpIndex"));
    m_typed = new QLineEdit(this);
    m_typed->setObjectName(QStringLiteral("HelpIndexText"));
    m_list = new QTreeWidget(this);
    m_list->setObjectName(QStringLiteral("HelpIndexKeywords"));
    m_list->setHeaderHidden(true);
    m_list->setColumnCount(1);
    m_list->setRootIsDecorated(false);
    m_list->setItemsExpandable(false);
    m_list->setUniformRowHeights(true);
    // A long keyword scrolls sideways rather than being cut short.
    m_list->header()->setSectionResizeMode(QHeaderView::ResizeToContents);
    m_list->header()->setStretchLastSection(false);
    m_topics = new QListWidget(this);
    m_topics->setObjectName(QStringLiteral("HelpIndexTopics"));
    m_display = new QPushButton(tr("&Display"), this);
    m_display->setObjectName(QStringLiteral("HelpIndexDisplay"));

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(captionFor(m_typed, tr("Type in the &keyword to find:"), this));
    layout->addWidget(m_typed);
    layout->addWidget(m_list, 2);
    m_topicsCaption = captionFor(m_topics, tr("&Topics found:"), this);
    layout->addWidget(m_topicsCaption);
    layout->addWidget(m_topics, 1);
    layout->addLayout(rightAligned(m_display));
    hideTopics();
    setFocusProxy(m_typed);

    // Up and Down in the typing field move through the keywords, so that the
    // reader can type and pick without leaving the field.
    m_typed->installEventFilter(this);
    connect(m_typed, &QLineEdit::textEdited, this, &HelpIndexTab::selectTyped);
    connect(m_typed, &QLineEdit::returnPressed, this, &HelpIndexTab::display);
    connect(m_list, &QTreeWidget::currentItemChanged, this, &HelpIndexTab::showChosenKeyword);
    connect(m_list, &QTreeWidget::itemActivated, this, [this](QTreeWidgetItem* item) {
        if (const qsizetype at = m_items.indexOf(item); at >= 0)
            displayKeyword(m_keywords[at]);
    });
    connect(m_topics, &QListWidget::itemActivated, this,
            [this](QListWidgetItem* item) { emit pageChosen(item->data(Qt::UserRole).toString()); });
    connect(m_display, &QPushButton::clicked, this, &HelpIndexTab::display);
}

void HelpIndexTab::setKeywords(const QList<IndexKeyword>& keywords, const QHash<QString, QString>& titles)
{
    const QSignalBlocker blocker(m_list);
    m_list->clear();
    m_items.clear();
    m_keywords = keywords;
    m_titles = titles;
    QList<QTreeWidgetItem*> parents;
    for (const IndexKeyword& keyword : std::as_const(m_keywords)) {
        parents.resize(qMin(keyword.depth, int(parents.size())));
        auto* item = parents.isEmpty() ? new QTreeWidgetItem(m_list) : new QTreeWidgetItem(parents.last());
        item->setText(0, keyword.name);
        parents.append(item);
        m_items.append(item);
    }
    m_list->expandAll();
    hideTopics();
}

bool HelpIndexTab::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == m_typed && event->type() == QEvent::KeyPress) {
        switch (static_cast<QKeyEvent*>(event)->key()) {
        case Qt::Key_Up:
        case Qt::Key_Down:
        case Qt::Key_PageUp:
        case Qt::Key_PageDown:
            QCoreApplication::sendEvent(m_list, event);
            return true;
        default:
            break;
        }
    }
    return QWidget::eventFilter(watched, event);
}

void HelpIndexTab::selectTyped(const QString& typed)
{
    hideTopics();
    const qsizetype at = findKeyword(m_keywords, typed);
    // The field keeps what the reader typed; only the list follows it.
    const QSignalBlocker blocker(m_list);
    if (at < 0) {
        m_list->setCurrentItem(nullptr);
        return;
    }
    m_list->setCurrentItem(m_items[at]);
    m_list->scrollToItem(m_items[at], QAbstractItemView::PositionAtTop);
}

void HelpIndexTab::showChosenKeyword(QTreeWidgetItem* item)
{
    hideTopics();
    if (item)
        m_typed->setText(item->text(0));
}

void HelpIndexTab::display()
{
    if (m_topics->isVisibleTo(this) && m_topics->currentItem()) {
        emit pageChosen(m_topics->currentItem()->data(Qt::UserRole).toString());
        return;
    }
    if (const qsizetype at = m_items.indexOf(m_list->currentItem()); at >= 0)
        displayKeyword(m_keywords[at]);
}

void HelpIndexTab::displayKeyword(const IndexKeyword& keyword)
{
    if (keyword.pages.size() == 1) {
        emit pageChosen(keyword.pages.first());
        return;
    }
    if (keyword.pages.isEmpty())
        return;
    m_topics->clear();
    for (const QString& page : keyword.pages) {
        const QString file = page.section(u'#', 0, 0);
        auto* item = new QListWidgetItem(m_titles.value(file, QFileInfo(file).completeBaseName()), m_topics);
        item->setData(Qt::UserRole, page);
    }
    m_topicsCaption->show();
    m_topics->show();
    m_topics->setCurrentRow(0);
    m_topics->setFocus();
}

void HelpIndexTab::hideTopics()
{
    m_topicsCaption->hide();
    m_topics->hide();
    m_topics->clear();
}

HelpSearchTab::HelpSearchTab(QWidget* parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("HelpSearch"));
    m_query = new QLineEdit(this);
    m_query->setObjectName(QStringLiteral("HelpSearchText"));
    m_listTopics = new QPushButton(tr("&List Topics"), this);
    m_listTopics->setObjectName(QStringLiteral("HelpSearchList"));
    m_found = new QLabel(this);
    m_found->setObjectName(QStringLiteral("HelpSearchFound"));
    m_results = new QListWidget(this);
    m_results->setObjectName(QStringLiteral("HelpSearchResults"));
    m_display = new QPushButton(tr("&Display"), this);
    m_display->setObjectName(QStringLiteral("HelpSearchDisplay"));

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(captionFor(m_query, tr("Type in the &word(s) to search for:"), this));
    layout->addWidget(m_query);
    layout->addLayout(rightAligned(m_listTopics));
    auto* resultsRow = new QHBoxLayout;
    resultsRow->addWidget(captionFor(m_results, tr("Select &topic to display:"), this), 1);
    resultsRow->addWidget(m_found);
    layout->addLayout(resultsRow);
    layout->addWidget(m_results, 1);
    layout->addLayout(rightAligned(m_display));
    setFocusProxy(m_query);

    connect(m_query, &QLineEdit::returnPressed, this, &HelpSearchTab::listTopics);
    connect(m_listTopics, &QPushButton::clicked, this, &HelpSearchTab::listTopics);
    connect(m_results, &QListWidget::itemActivated, this, &HelpSearchTab::display);
    connect(m_display, &QPushButton::clicked, this, &HelpSearchTab::display);
}

void HelpSearchTab::setArchive(const ChmArchive* archive)
{
    m_archive = archive;
    m_index.clear();
    m_words.clear();
    m_results->clear();
    m_found->clear();
}

void HelpSearchTab::listTopics()
{
    if (!m_index.isBuilt() && m_archive)
        m_index.build(*m_archive);
    const QList<SearchHit> hits = m_index.find(m_query->text());
    m_words = searchWords(m_query->text()).mid(0, kMaxQueryWords);
    m_results->clear();
    for (const SearchHit& hit : hits) {
        auto* item = new QListWidgetItem(hit.title, m_results);
        item->setData(Qt::UserRole, hit.page);
    }
    m_found->setText(hits.isEmpty() ? tr("No topics found.") : tr("Found: %1").arg(hits.size()));
    if (!hits.isEmpty()) {
        m_results->setCurrentRow(0);
        m_results->setFocus();
    }
}

void HelpSearchTab::display()
{
    if (const QListWidgetItem* item = m_results->currentItem())
        emit pageChosen(item->data(Qt::UserRole).toString(), m_words);
}

} // namespace help
