#include "view/circuit_accessible.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QHash>
#include <QPointer>

#include <algorithm>
#include <vector>

#include "analysis/circuit_words.h"
#include "document/reading_order.h"
#include "drawing/symbol_bounds.h"
#include "view/circuit_view.h"

namespace kirvolt {
namespace {

const CComponent* recordOf(const CKirvoltDoc& doc, std::uint64_t id)
{
    const auto found = std::ranges::find_if(doc.components, [id](const auto& c) { return c->recordId == id; });
    return found != doc.components.end() ? found->get() : nullptr;
}

// One element or joint of the drawing, known by its record id: it goes invalid once the
// record leaves the circuit.
class ElementAccessible : public QAccessibleInterface {
public:
    ElementAccessible(CKirvoltView* view, std::uint64_t recordId) : view(view), recordId(recordId) {}

    bool isValid() const override { return !view.isNull() && record() != nullptr; }
    QObject* object() const override { return nullptr; }
    QWindow* window() const override { return view.isNull() ? nullptr : view->window()->windowHandle(); }
    QAccessibleInterface* focusChild() const override { return nullptr; }
    QAccessibleInterface* childAt(int, int) const override { return nullptr; }
    QAccessibleInterface* parent() const override { return QAccessible::queryAccessibleInterface(view.data()); }
    QAccessibleInterface* child(int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface*) const override { return -1; }
    void setText(QAccessible::Text, const QString&) override {}

    QString text(QAccessible::Text t) const override
    {
        const CComponent* c = record();
        if (c == nullptr) {
            return {};
        }
        if (t == QAccessible::Name) {
            return c->kindCode == KIND_JOINT ? CKirvoltView::tr("Joint") : QString::fromStdString(c->label);
        }
        if (t == QAccessible::Description) {
            return QString::fromStdString(describeRecord(view->document(), *c));
        }
        return {};
    }

    QRect rect() const override
    {
        const CComponent* c = record();
        return c != nullptr ? view->onScreen(symbolBounds(*c, view->document().gridSize)) : QRect();
    }

    QAccessible::Role role() const override { return QAccessible::Graphic; }

    QAccessible::State state() const override
    {
        QAccessible::State s;
        const CComponent* c = record();
        if (c == nullptr) {
            s.invalid = true;
            return s;
        }
        s.focusable = true;
        s.selectable = true;
        s.selected = view->editor().selection().contains(*c);
        s.focused = view->keys().focused() == c;
        return s;
    }

private:
    const CComponent* record() const { return view.isNull() ? nullptr : recordOf(view->document(), recordId); }

    QPointer<CKirvoltView> view;
    std::uint64_t recordId;
};

// The drawing: named by where the cursor stands, its children the elements and joints.
class CircuitAccessible : public QAccessibleWidget {
public:
    explicit CircuitAccessible(CKirvoltView* view) : QAccessibleWidget(view, QAccessible::Canvas) {}
    ~CircuitAccessible() override
    {
        for (const QAccessible::Id id : std::as_const(children)) {
            QAccessible::deleteAccessibleInterface(id);
        }
    }

    QString text(QAccessible::Text t) const override
    {
        if (t == QAccessible::Name) {
            return circuitView()->cursorAnnouncement();
        }
        return QAccessibleWidget::text(t);
    }

    int childCount() const override { return static_cast<int>(order().size()); }

    QAccessibleInterface* child(int index) const override
    {
        const std::vector<const CComponent*> listed = order();
        if (index < 0 || index >= static_cast<int>(listed.size())) {
            return nullptr;
        }
        return interfaceOf(listed[static_cast<std::size_t>(index)]->recordId);
    }

    int indexOfChild(const QAccessibleInterface* child) const override
    {
        const std::vector<const CComponent*> listed = order();
        for (std::size_t i = 0; i < listed.size(); ++i) {
            if (children.value(listed[i]->recordId) == QAccessible::uniqueId(const_cast<QAccessibleInterface*>(child))) {
                return static_cast<int>(i);
            }
        }
        return -1;
    }

    QAccessibleInterface* focusChild() const override
    {
        const CComponent* focused = circuitView()->keys().focused();
        return focused != nullptr ? interfaceOf(focused->recordId) : nullptr;
    }

    QAccessibleInterface* childAt(int x, int y) const override
    {
        for (const CComponent* c : order()) {
            if (QAccessibleInterface* element = interfaceOf(c->recordId); element->rect().contains(x, y)) {
                return element;
            }
        }
        return nullptr;
    }

private:
    CKirvoltView* circuitView() const { return static_cast<CKirvoltView*>(widget()); }
    std::vector<const CComponent*> order() const { return readingOrder(circuitView()->document()); }

    QAccessibleInterface* interfaceOf(std::uint64_t recordId) const
    {
        if (const auto found = children.constFind(recordId); found != children.constEnd()) {
            return QAccessible::accessibleInterface(*found);
        }
        auto* element = new ElementAccessible(circuitView(), recordId);
        children.insert(recordId, QAccessible::registerAccessibleInterface(element));
        return element;
    }

    mutable QHash<std::uint64_t, QAccessible::Id> children;
};

QAccessibleInterface* circuitFactory(const QString& className, QObject* object)
{
    if (className == QLatin1String("kirvolt::CKirvoltView") && object != nullptr && object->isWidgetType()) {
        return new CircuitAccessible(static_cast<CKirvoltView*>(object));
    }
    return nullptr;
}

}  // namespace

void installCircuitAccessibility()
{
    QAccessible::installFactory(circuitFactory);
}

}  // namespace kirvolt
