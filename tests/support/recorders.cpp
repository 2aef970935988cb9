#include "tests/support/recorders.h"

ui::BoxAnswer BoxRecorder::present(QWidget* owner, const ui::MessageBoxRequest& request)
{
    if (!owner)
        ++m_unowned;
    m_boxes.append({request.title, request.text, request.buttons, request.icon});
    if (!m_answers.isEmpty())
        return m_answers.dequeue();
    return request.buttons == ui::BoxButtons::YesNo ? ui::BoxAnswer::No : ui::BoxAnswer::Ok;
}

QStringList BoxRecorder::titles() const
{
    QStringList t;
    for (const RecordedBox& b : m_boxes)
        t.append(b.title);
    return t;
}

std::optional<QString> FileDialogStub::present(QWidget*, const ui::FileDialogRequest& request)
{
    m_requests.append(request);
    if (m_choices.isEmpty())
        return std::nullopt;
    return m_choices.dequeue();
}
