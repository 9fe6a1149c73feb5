#pragma once
#include <QAction>
#include <vector>

// A run-time array of controls: element 0 is the hidden template designed in the window; elements
// 1, 2, ... are created from it (taking its size, place and look) and destroyed again by index.
template <typename T> class ControlArray
{
public:
    void setTemplate(T *tpl) { items_.assign(1, tpl); }
    T *operator[](int i) const { return i >= 0 && i < int(items_.size()) ? items_[size_t(i)] : nullptr; }
    bool exists(int i) const { return (*this)[i] != nullptr; }
    int ubound() const { return int(items_.size()) - 1; }

    T *load(int i)
    {
        T *tpl = items_.front();
        if (i <= 0 || exists(i))
            return (*this)[i];
        if (i >= int(items_.size()))
            items_.resize(size_t(i) + 1, nullptr);
        T *item = new T(tpl->parentWidget());
        item->copyFrom(*tpl);
        items_[size_t(i)] = item;
        return item;
    }

    void unload(int i)
    {
        if (i <= 0 || !exists(i))
            return;
        delete items_[size_t(i)];
        items_[size_t(i)] = nullptr;
        while (items_.size() > 1 && items_.back() == nullptr)
            items_.pop_back();
    }

private:
    std::vector<T *> items_{nullptr};
};

// An array of menu items numbered from 1, in menu order.
class MenuArray
{
public:
    void append(QAction *a) { items_.push_back(a); }
    QAction *operator[](int i) const { return i >= 1 && i < int(items_.size()) ? items_[size_t(i)] : nullptr; }
    int ubound() const { return int(items_.size()) - 1; }

private:
    std::vector<QAction *> items_{nullptr};
};
