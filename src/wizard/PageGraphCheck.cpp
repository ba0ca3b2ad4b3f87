#include "wizard/PageGraphCheck.h"

#include "platform/Extender.h"
#include "platform/Form.h"
#include "wizard/OvWizardNavigator.h"
#include "wizard/OvWizardTab.h"

#include <algorithm>
#include <array>
#include <cstdint>

namespace ov {

namespace {

using Severity = PageGraphFinding::Severity;

constexpr ovEn_Button_Position kPositions[] = {
    ovEn_Button_Position::ovBPLeft, ovEn_Button_Position::ovBPLeftMiddle,
    ovEn_Button_Position::ovBPRightMiddle, ovEn_Button_Position::ovBPRight};
constexpr size_t kNone = SIZE_MAX;

struct Node {
    std::string name;
    int32_t index = 0;
    int32_t back = 0;
    int32_t next = 0;
    En_Page_Mode mode = En_Page_Mode::InteriorPage;
    bool offersFinish = false;
};

bool offersFinish(const OvWizardTab& page, const OvWizardNavigator* nav) {
    auto finishAt = [](const auto& set) {
        for (const auto p : kPositions) {
            if (set.buttonRule(p) == ovEn_Button_Rule::ovBRFinish && set.buttonVisible(p) &&
                set.buttonEnabled(p))
                return true;
        }
        return false;
    };
    if (!page.UseDefaultButtonSet()) return finishAt(page);
    if (!nav) return page.PageNext() == 0;
    const bool overlay =
        page.PageNext() == 0 && nav->FinishRule() == ovEn_Button_Rule::ovBRFinish && nav->FinishEnabled();
    return overlay || finishAt(*nav);
}

// "A → B → C → A", at most a few names.
std::string cycleText(const std::vector<const Node*>& cycle) {
    std::string text;
    const size_t shown = cycle.size() <= 6 ? cycle.size() : 4;
    for (size_t i = 0; i < shown; ++i)
        text += cycle[i]->name + " → ";
    if (shown < cycle.size()) text += "… → " + cycle.back()->name + " → ";
    text += cycle.front()->name;
    if (shown < cycle.size()) text += " (" + std::to_string(cycle.size()) + " pages)";
    return text;
}

// The pages as nodes (form order), their page order, and the edges Next and Back make. Every step
// visits each page a fixed number of times.
class PageGraph {
public:
    explicit PageGraph(const Form& form);
    std::vector<PageGraphFinding> findings();

private:
    size_t count() const { return m_nodes.size(); }
    // The page at place `value` (1-based) of page order, or none.
    size_t resolve(int32_t value) const {
        return value >= 1 && static_cast<size_t>(value) <= count() ? m_order[static_cast<size_t>(value) - 1]
                                                                   : kNone;
    }
    void report(size_t id, Severity severity, std::string reason) {
        m_byPlace[m_place[id]].push_back({severity, m_nodes[id].name, std::move(reason)});
    }
    void sortByIndex();
    // Marks in `seen` whatever `queue` leads to through `neighbours(id, visit)`.
    template <class Neighbours>
    void walk(std::vector<char>& seen, std::vector<size_t>& queue, Neighbours neighbours) const;
    void walkFromStart();
    void walkBackFromFinish();
    void reportIndexes();
    void reportTraps();
    void reportShape();

    std::shared_ptr<OvWizardNavigator> m_nav;
    std::string m_navName;
    std::string m_formName;
    std::vector<Node> m_nodes;
    std::vector<size_t> m_order; // node ids in page order
    std::vector<size_t> m_place; // the place in page order of each node
    std::vector<size_t> m_next, m_back;
    size_t m_start = kNone;
    std::vector<char> m_reached, m_finishable;
    std::vector<PageGraphFinding> m_navigatorFindings;
    std::vector<std::vector<PageGraphFinding>> m_byPlace;
};

PageGraph::PageGraph(const Form& form) : m_formName(form.Name()) {
    for (const auto& ext : form.controls()) {
        if ((m_nav = ext->controlAs<OvWizardNavigator>())) {
            m_navName = ext->Name();
            break;
        }
    }
    for (const auto& ext : form.controls()) {
        if (const auto page = ext->controlAs<OvWizardTab>())
            m_nodes.push_back({ext->Name(), page->PageIndex(), page->PageBack(), page->PageNext(),
                               page->PageMode(), offersFinish(*page, m_nav.get())});
    }
    sortByIndex();
    m_byPlace.resize(count());
    m_next.resize(count());
    m_back.resize(count());
    for (size_t id = 0; id < count(); ++id) {
        m_next[id] = resolve(m_nodes[id].next);
        m_back[id] = resolve(m_nodes[id].back);
    }
    const int32_t startIndex = m_nav ? m_nav->StartPage() : 1;
    for (size_t pos = 0; pos < count() && m_start == kNone; ++pos) {
        if (m_nodes[m_order[pos]].index == startIndex) m_start = m_order[pos];
    }
    if (!m_nav) {
        m_navigatorFindings.push_back({Severity::Error, m_formName, "the form has no OvWizardNavigator"});
    } else if (m_start == kNone) {
        m_navigatorFindings.push_back({Severity::Error, m_navName,
                                       "StartPage " + std::to_string(startIndex) +
                                           " names no page: no PageIndex is " + std::to_string(startIndex)});
    }
}

// Ascending PageIndex, equal indices in form order: a stable radix sort, linear whatever the indices.
void PageGraph::sortByIndex() {
    m_order.resize(count());
    std::vector<size_t> spare(count());
    for (size_t id = 0; id < count(); ++id)
        m_order[id] = id;
    auto key = [&](size_t id) { return static_cast<uint32_t>(m_nodes[id].index) ^ 0x80000000u; };
    for (int shift = 0; shift < 32; shift += 8) {
        std::array<size_t, 257> start{};
        for (const size_t id : m_order)
            ++start[((key(id) >> shift) & 0xFF) + 1];
        for (size_t b = 1; b < start.size(); ++b)
            start[b] += start[b - 1];
        for (const size_t id : m_order)
            spare[start[(key(id) >> shift) & 0xFF]++] = id;
        m_order.swap(spare);
    }
    m_place.resize(count());
    for (size_t pos = 0; pos < count(); ++pos)
        m_place[m_order[pos]] = pos;
}

template <class Neighbours>
void PageGraph::walk(std::vector<char>& seen, std::vector<size_t>& queue, Neighbours neighbours) const {
    for (const size_t id : queue)
        seen[id] = 1;
    for (size_t head = 0; head < queue.size(); ++head)
        neighbours(queue[head], [&](size_t to) {
            if (to != kNone && !seen[to]) {
                seen[to] = 1;
                queue.push_back(to);
            }
        });
}

void PageGraph::walkFromStart() {
    m_reached.assign(count(), 0);
    if (m_start == kNone) return;
    std::vector<size_t> queue{m_start};
    walk(m_reached, queue, [&](size_t id, auto visit) {
        visit(m_next[id]);
        visit(m_back[id]);
    });
}

// Which pages can still reach a page that offers Finish: the edges walked backwards from those pages,
// the incoming edges of each page kept in one array (compressed rows: from[firstIn[v] .. firstIn[v + 1])).
void PageGraph::walkBackFromFinish() {
    std::vector<size_t> firstIn(count() + 1, 0), from(2 * count());
    for (size_t id = 0; id < count(); ++id) {
        for (const size_t to : {m_next[id], m_back[id]})
            if (to != kNone) ++firstIn[to + 1];
    }
    for (size_t v = 1; v < firstIn.size(); ++v)
        firstIn[v] += firstIn[v - 1];
    std::vector<size_t> fill(firstIn.begin(), firstIn.end() - 1);
    for (size_t id = 0; id < count(); ++id) {
        for (const size_t to : {m_next[id], m_back[id]})
            if (to != kNone) from[fill[to]++] = id;
    }
    std::vector<size_t> queue;
    for (size_t id = 0; id < count(); ++id) {
        if (m_nodes[id].offersFinish) queue.push_back(id);
    }
    m_finishable.assign(count(), 0);
    walk(m_finishable, queue, [&](size_t id, auto visit) {
        for (size_t e = firstIn[id]; e < firstIn[id + 1]; ++e)
            visit(from[e]);
    });
}

void PageGraph::reportIndexes() {
    const std::string pages = std::to_string(count()) + (count() == 1 ? " page" : " pages");
    for (size_t id = 0; id < count(); ++id) {
        const Node& node = m_nodes[id];
        for (const auto& [value, what] :
             {std::pair{node.next, "PageNext"}, std::pair{node.back, "PageBack"}}) {
            if (value > 0 && static_cast<size_t>(value) > count())
                report(id, Severity::Error,
                       std::string(what) + " " + std::to_string(value) + " names no page: the wizard has " +
                           pages);
        }
    }
    for (size_t pos = 1, first = count() ? m_order[0] : 0; pos < count(); ++pos) {
        const size_t id = m_order[pos];
        if (m_nodes[id].index != m_nodes[first].index) {
            first = id;
            continue;
        }
        report(id, Severity::Error,
               "PageIndex " + std::to_string(m_nodes[id].index) + " is also " + m_nodes[first].name +
                   "'s: the two pages show at once");
    }
}

// Pages the user can reach but never leave by Finish: each Next cycle among them once (on its first page
// in page order), and each dead end.
void PageGraph::reportTraps() {
    auto trapped = [&](size_t id) { return m_reached[id] && !m_finishable[id]; };
    std::vector<char> state(count(), 0); // 0 not seen, 1 on the current path, 2 done
    std::vector<size_t> path;
    for (size_t id = 0; id < count(); ++id) {
        if (!trapped(id) || state[id]) continue;
        path.clear();
        size_t v = id;
        for (; v != kNone && trapped(v) && !state[v]; v = m_next[v]) {
            state[v] = 1;
            path.push_back(v);
        }
        if (v != kNone && state[v] == 1) {
            std::vector<const Node*> cycle;
            size_t firstInOrder = v;
            for (auto it = std::find(path.begin(), path.end(), v); it != path.end(); ++it) {
                cycle.push_back(&m_nodes[*it]);
                if (m_place[*it] < m_place[firstInOrder]) firstInOrder = *it;
            }
            report(firstInOrder, Severity::Error,
                   "no way to Finish: Next goes round " + cycleText(cycle) +
                       " and no page it reaches offers Finish");
        }
        for (const size_t p : path)
            state[p] = 2;
    }
    for (size_t id = 0; id < count(); ++id) {
        if (trapped(id) && m_nodes[id].next <= 0)
            report(id, Severity::Error,
                   "no way to Finish: a dead end without Next (PageNext " + std::to_string(m_nodes[id].next) +
                       ") or Finish, and Back leads to no page that offers Finish");
    }
}

void PageGraph::reportShape() {
    if (m_start != kNone) {
        for (size_t id = 0; id < count(); ++id) {
            if (!m_reached[id])
                report(id, Severity::Warning,
                       "no path of Next and Back from the start page " + m_nodes[m_start].name +
                           " reaches it");
        }
    }
    for (size_t id = 0; id < count(); ++id) {
        const size_t q = m_next[id];
        if (!m_reached[id] || q == kNone || m_back[q] == id) continue;
        const Node& target = m_nodes[q];
        if (target.back > 0 && m_back[q] == kNone) continue; // names no page: an error above
        report(q, Severity::Warning,
               target.back <= 0
                   ? "Next on " + m_nodes[id].name + " leads here, but there is no Back (PageBack " +
                         std::to_string(target.back) + ")"
                   : "Back goes to " + m_nodes[m_back[q]].name + ", not to " + m_nodes[id].name +
                         " whose Next leads here");
    }
    // The first page in page order whose Next leads to each page.
    std::vector<size_t> firstFrom(count(), kNone);
    for (const size_t id : m_order) {
        const size_t q = m_next[id];
        if (q != kNone && firstFrom[q] == kNone) firstFrom[q] = id;
    }
    for (size_t id = 0; id < count(); ++id) {
        const Node& node = m_nodes[id];
        if (node.mode == En_Page_Mode::WelcomePage) {
            if (firstFrom[id] != kNone)
                report(id, Severity::Warning,
                       "a welcome page in the middle: Next on " + m_nodes[firstFrom[id]].name +
                           " leads here");
            else if (node.back > 0)
                report(id, Severity::Warning,
                       "a welcome page in the middle: it has a Back (PageBack " + std::to_string(node.back) +
                           ")");
        } else if (node.mode != En_Page_Mode::InteriorPage && node.next > 0) {
            report(id, Severity::Warning,
                   "a completion page with a Next (PageNext " + std::to_string(node.next) +
                       "): the wizard goes on after its last page");
        }
    }
    for (size_t pos = 0; pos < count(); ++pos) {
        const Node& node = m_nodes[m_order[pos]];
        if (static_cast<int64_t>(node.index) == static_cast<int64_t>(pos) + 1) continue;
        if (pos > 0 && node.index == m_nodes[m_order[pos - 1]].index) continue; // two with one index: above
        report(m_order[pos], Severity::Warning,
               "PageIndex " + std::to_string(node.index) + " stands at place " + std::to_string(pos + 1) +
                   " in page order: PageNext and PageBack count places, so pages are best numbered 1 to " +
                   std::to_string(count()));
        break;
    }
}

std::vector<PageGraphFinding> PageGraph::findings() {
    walkFromStart();
    walkBackFromFinish();
    reportIndexes();
    reportTraps();
    reportShape();
    std::vector<PageGraphFinding> out = std::move(m_navigatorFindings);
    for (auto& bucket : m_byPlace)
        for (auto& f : bucket)
            out.push_back(std::move(f));
    return out;
}

} // namespace

std::vector<PageGraphFinding> checkPageGraph(const Form& form) {
    return PageGraph(form).findings();
}

std::string describe(const PageGraphFinding& finding) {
    return std::string(finding.severity == Severity::Error ? "error: " : "warning: ") + finding.page + ": " +
           finding.reason;
}

} // namespace ov
