#include "e2e/AccessibleTree.h"

#include <atspi/atspi.h>

#include <mutex>

namespace {
QString takeString(gchar* text) {
    const QString value = QString::fromUtf8(text != nullptr ? text : "");
    g_free(text);
    return value;
}

struct Walker {
    std::vector<AccessibleItem>& items;

    void walk(AtspiAccessible* object, const QString& window) {
        AtspiStateSet* states = atspi_accessible_get_state_set(object);
        const bool showing = atspi_state_set_contains(states, ATSPI_STATE_SHOWING);
        AccessibleItem item;
        item.enabled = atspi_state_set_contains(states, ATSPI_STATE_ENABLED);
        item.checked = atspi_state_set_contains(states, ATSPI_STATE_CHECKED);
        item.focused = atspi_state_set_contains(states, ATSPI_STATE_FOCUSED);
        g_object_unref(states);
        if (!showing) {
            return; // hidden pages and their children
        }
        item.window = window;
        item.role = takeString(atspi_accessible_get_role_name(object, nullptr));
        item.name = takeString(atspi_accessible_get_name(object, nullptr));
        item.description = takeString(atspi_accessible_get_description(object, nullptr));
        if (AtspiValue* value = atspi_accessible_get_value_iface(object)) {
            item.value = atspi_value_get_current_value(value, nullptr);
            g_object_unref(value);
        }
        if (item.role == "text") {
            if (AtspiText* text = atspi_accessible_get_text_iface(object)) {
                item.text = takeString(atspi_text_get_text(text, 0, -1, nullptr));
                g_object_unref(text);
            }
        }
        if (AtspiComponent* component = atspi_accessible_get_component_iface(object)) {
            if (AtspiRect* r =
                    atspi_component_get_extents(component, ATSPI_COORD_TYPE_SCREEN, nullptr)) {
                item.box = QRect(r->x, r->y, r->width, r->height);
                g_free(r);
            }
            g_object_unref(component);
        }
        items.push_back(item);
        children(object, window);
    }

    void children(AtspiAccessible* object, const QString& window) {
        const int count = atspi_accessible_get_child_count(object, nullptr);
        for (int i = 0; i < count; ++i) {
            AtspiAccessible* child = atspi_accessible_get_child_at_index(object, i, nullptr);
            if (child != nullptr) {
                walk(child, window);
                g_object_unref(child);
            }
        }
    }
};
} // namespace

std::vector<AccessibleItem> AccessibleTree::of(qint64 pid) {
    static std::once_flag initialised;
    std::call_once(initialised, [] { atspi_init(); });
    // Events the bus sent meanwhile are not needed: nothing is cached without a loop.
    while (g_main_context_iteration(nullptr, FALSE)) {
    }
    std::vector<AccessibleItem> items;
    Walker walker{items};
    AtspiAccessible* desktop = atspi_get_desktop(0);
    const int count = atspi_accessible_get_child_count(desktop, nullptr);
    for (int i = 0; i < count; ++i) {
        AtspiAccessible* app = atspi_accessible_get_child_at_index(desktop, i, nullptr);
        if (app == nullptr) {
            continue;
        }
        if (atspi_accessible_get_process_id(app, nullptr) == pid) {
            const int windows = atspi_accessible_get_child_count(app, nullptr);
            for (int w = 0; w < windows; ++w) {
                AtspiAccessible* window = atspi_accessible_get_child_at_index(app, w, nullptr);
                if (window != nullptr) {
                    walker.walk(window, takeString(atspi_accessible_get_name(window, nullptr)));
                    g_object_unref(window);
                }
            }
        }
        g_object_unref(app);
    }
    g_object_unref(desktop);
    return items;
}

const AccessibleItem* findItem(const std::vector<AccessibleItem>& items, const QString& role,
                               const QString& name, int nth) {
    for (const AccessibleItem& item : items) {
        if (item.role == role && item.name == name && nth-- == 0) {
            return &item;
        }
    }
    return nullptr;
}
