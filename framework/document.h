// CDocument: the data behind views; answers commands after its active view.
#pragma once

#include <string>
#include <vector>

#include "cmd_target.h"

class CView;

class CDocument : public CCmdTarget {
public:
    ~CDocument() override;

    void AddView(CView* view);
    void RemoveView(CView* view);
    CView* GetFirstView() const { return m_views.empty() ? nullptr : m_views.front(); }
    const std::vector<CView*>& Views() const { return m_views; }

    const std::string& GetTitle() const { return m_title; }
    void SetTitle(const std::string& title) { m_title = title; }

private:
    std::vector<CView*> m_views;
    std::string m_title;
};
