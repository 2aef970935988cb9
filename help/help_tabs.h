#pragma once

// The Index and Search tabs beside the help page. Each finds pages in its own
// way and asks the help window to open one; neither knows the page view.

#include "help/help_keywords.h"
#include "help/help_search.h"

#include <QHash>
#include <QWidget>

class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class QTreeWidget;
class QTreeWidgetItem;

namespace help {

// The keywords of the help file's index. Typing selects the first keyword
// that starts with the text typed; Display (or Enter, or a double click)
// opens its page, or lists its pages to choose from when it has several.
class HelpIndexTab : public QWidget
{
    Q_OBJECT
public:
    explicit HelpIndexTab(QWidget* parent = nullptr);

    // <titles> names pages in the list of a keyword's pages; a page without a
    // title there is named by its file name.
    void setKeywords(const QList<IndexKeyword>& keywords, const QHash<QString, QString>& titles);

signals:
    void pageChosen(const QString& page);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void selectTyped(const QString& typed);
    void showChosenKeyword(QTreeWidgetItem* item);
    void display();
    void displayKeyword(const IndexKeyword& keyword);
    void hideTopics();

    QList<IndexKeyword> m_keywords;
    QHash<QString, QString> m_titles;
    QList<QTreeWidgetItem*> m_items; // one per keyword, in the same order
    QLineEdit* m_typed = nullptr;
    QTreeWidget* m_list = nullptr;
    QLabel* m_topicsCaption = nullptr;
    QListWidget* m_topics = nullptr;
    QPushButton* m_display = nullptr;
};

// Full-text search. The index is built on the first search after a help file
// is set, never before.
class HelpSearchTab : public QWidget
{
    Q_OBJECT
public:
    explicit HelpSearchTab(QWidget* parent = nullptr);

    // <archive> may be null or closed; it must outlive its use here.
    void setArchive(const ChmArchive* archive);
    bool isIndexBuilt() const { return m_index.isBuilt(); }

signals:
    // <words> are the words searched for, for the page to mark them.
    void pageChosen(const QString& page, const QStringList& words);

private:
    void listTopics();
    void display();

    const ChmArchive* m_archive = nullptr;
    HelpSearchIndex m_index;
    QStringList m_words;
    QLineEdit* m_query = nullptr;
    QPushButton* m_listTopics = nullptr;
    QLabel* m_found = nullptr;
    QListWidget* m_results = nullptr;
    QPushButton* m_display = nullptr;
};

} // namespace help
