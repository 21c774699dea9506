#pragma once
// The program's windows, each made once at start and found by its class: a
// window that opens another asks this table for it.
#include <typeindex>
#include <unordered_map>

class QWidget;

namespace velbrisk {

class Forms {
public:
    template <class T>
    void add(T* form)
    {
        m_forms[std::type_index(typeid(T))] = form;
    }
    // Null when the program has no such window (a test that made only some).
    template <class T>
    T* find() const
    {
        const auto it = m_forms.find(std::type_index(typeid(T)));
        return it == m_forms.end() ? nullptr : static_cast<T*>(it->second);
    }
    template <class T>
    T& get() const
    {
        return *find<T>();
    }

private:
    std::unordered_map<std::type_index, QWidget*> m_forms;
};

}  // namespace velbrisk
