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
constexpr int32_t kNone = -1;

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

// Node numbers in ascending PageIndex, equal indices in node order: a stable radix sort, linear in the
// number of pages whatever the indices are.
std::vector<int32_t> pageOrder(const std::vector<Node>& nodes) {
    std::vector<int32_t> order(nodes.size()), spare(nodes.size());
    for (size_t i = 0; i < nodes.size(); ++i)
        order[i] = static_cast<int32_t>(i);
    auto key = [&](int32_t id) {
        return static_cast<uint32_t>(nodes[static_cast<size_t>(id)].index) ^ 0x80000000u;
    };
    for (int shift = 0; shift < 32; shift += 8) {
        std::array<size_t, 257> count{};
        for (const int32_t id : order)
            ++count[((key(id) >> shift) & 0xFF) + 1];
        for (size_t b = 1; b < count.size(); ++b)
            count[b] += count[b - 1];
        for (const int32_t id : order)
            spare[count[(key(id) >> shift) & 0xFF]++] = id;
        order.swap(spare);
    }
    return order;
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

} // namespace

std::vector<PageGraphFinding> checkPageGraph(const Form& form) {
    std::shared_ptr<OvWizardNavigator> nav;
    std::string navName;
    for (const auto& ext : form.controls()) {
        if ((nav = ext->controlAs<OvWizardNavigator>())) {
            navName = ext->Name();
            break;
        }
    }
    std::vector<Node> nodes;
    for (const auto& ext : form.controls()) {
        if (const auto page = ext->controlAs<OvWizardTab>())
            nodes.push_back({ext->Name(), page->PageIndex(), page->PageBack(), page->PageNext(),
                             page->PageMode(), offersFinish(*page, nav.get())});
    }

    const auto n = static_cast<int32_t>(nodes.size());
    const std::vector<int32_t> order = pageOrder(nodes);
    std::vector<int32_t> place(nodes.size());
    for (int32_t pos = 0; pos < n; ++pos)
        place[static_cast<size_t>(order[static_cast<size_t>(pos)])] = pos;
    auto at = [&](int32_t id) -> const Node& { return nodes[static_cast<size_t>(id)]; };
    auto resolve = [&](int32_t value) {
        return value >= 1 && value <= n ? order[static_cast<size_t>(value - 1)] : kNone;
    };

    std::vector<PageGraphFinding> navigatorFindings;
    std::vector<std::vector<PageGraphFinding>> byPlace(nodes.size());
    auto report = [&](int32_t id, Severity severity, std::string reason) {
        byPlace[static_cast<size_t>(place[static_cast<size_t>(id)])].push_back(
            {severity, at(id).name, std::move(reason)});
    };

    const int32_t startIndex = nav ? nav->StartPage() : 1;
    if (!nav)
        navigatorFindings.push_back({Severity::Error, form.Name(), "the form has no OvWizardNavigator"});

    // Where Next and Back lead.
    std::vector<int32_t> next(nodes.size()), back(nodes.size());
    for (int32_t id = 0; id < n; ++id) {
        const Node& node = at(id);
        next[static_cast<size_t>(id)] = resolve(node.next);
        back[static_cast<size_t>(id)] = resolve(node.back);
        for (const auto& [value, what] :
             {std::pair{node.next, "PageNext"}, std::pair{node.back, "PageBack"}}) {
            if (value > n)
                report(id, Severity::Error,
                       std::string(what) + " " + std::to_string(value) + " names no page: the wizard has " +
                           std::to_string(n) + (n == 1 ? " page" : " pages"));
        }
    }
    for (int32_t pos = 1, first = order.empty() ? 0 : order[0]; pos < n; ++pos) {
        const int32_t id = order[static_cast<size_t>(pos)];
        if (at(id).index != at(first).index) {
            first = id;
            continue;
        }
        report(id, Severity::Error,
               "PageIndex " + std::to_string(at(id).index) + " is also " + at(first).name +
                   "'s: the two pages show at once");
    }

    int32_t start = kNone;
    for (int32_t pos = 0; pos < n && start == kNone; ++pos) {
        if (at(order[static_cast<size_t>(pos)]).index == startIndex) start = order[static_cast<size_t>(pos)];
    }
    if (start == kNone && nav)
        navigatorFindings.push_back({Severity::Error, navName,
                                     "StartPage " + std::to_string(startIndex) +
                                         " names no page: no PageIndex is " + std::to_string(startIndex)});

    // What the start page reaches, and from where Finish can be reached (walking the edges backwards).
    std::vector<char> reached(nodes.size(), 0), finishable(nodes.size(), 0);
    std::vector<int32_t> queue;
    queue.reserve(nodes.size());
    auto walk = [&](std::vector<char>& seen, auto&& neighbours) {
        for (size_t head = 0; head < queue.size(); ++head)
            neighbours(queue[head], [&](int32_t to) {
                if (to != kNone && !seen[static_cast<size_t>(to)]) {
                    seen[static_cast<size_t>(to)] = 1;
                    queue.push_back(to);
                }
            });
    };
    if (start != kNone) {
        reached[static_cast<size_t>(start)] = 1;
        queue.push_back(start);
        walk(reached, [&](int32_t id, auto visit) {
            visit(next[static_cast<size_t>(id)]);
            visit(back[static_cast<size_t>(id)]);
        });
    }
    // Incoming edges in one array (compressed rows): from[firstIn[v] .. firstIn[v + 1]).
    std::vector<int32_t> firstIn(nodes.size() + 1, 0), from(2 * nodes.size());
    for (int32_t id = 0; id < n; ++id) {
        for (const int32_t to : {next[static_cast<size_t>(id)], back[static_cast<size_t>(id)]})
            if (to != kNone) ++firstIn[static_cast<size_t>(to) + 1];
    }
    for (size_t v = 1; v < firstIn.size(); ++v)
        firstIn[v] += firstIn[v - 1];
    {
        std::vector<int32_t> fill(firstIn.begin(), firstIn.end() - 1);
        for (int32_t id = 0; id < n; ++id) {
            for (const int32_t to : {next[static_cast<size_t>(id)], back[static_cast<size_t>(id)]})
                if (to != kNone) from[static_cast<size_t>(fill[static_cast<size_t>(to)]++)] = id;
        }
    }
    queue.clear();
    for (int32_t id = 0; id < n; ++id) {
        if (at(id).offersFinish) {
            finishable[static_cast<size_t>(id)] = 1;
            queue.push_back(id);
        }
    }
    walk(finishable, [&](int32_t id, auto visit) {
        for (int32_t e = firstIn[static_cast<size_t>(id)]; e < firstIn[static_cast<size_t>(id) + 1]; ++e)
            visit(from[static_cast<size_t>(e)]);
    });

    // Pages the user can reach but never leave by Finish: each Next cycle among them once, and each dead end.
    auto trapped = [&](int32_t id) {
        return reached[static_cast<size_t>(id)] && !finishable[static_cast<size_t>(id)];
    };
    std::vector<char> state(nodes.size(), 0); // 0 not seen, 1 on the current path, 2 done
    std::vector<int32_t> path;
    for (int32_t id = 0; id < n; ++id) {
        if (!trapped(id) || state[static_cast<size_t>(id)]) continue;
        path.clear();
        int32_t v = id;
        for (; v != kNone && trapped(v) && !state[static_cast<size_t>(v)]; v = next[static_cast<size_t>(v)]) {
            state[static_cast<size_t>(v)] = 1;
            path.push_back(v);
        }
        if (v != kNone && state[static_cast<size_t>(v)] == 1) {
            std::vector<const Node*> cycle;
            int32_t firstInOrder = v;
            for (auto it = std::find(path.begin(), path.end(), v); it != path.end(); ++it) {
                cycle.push_back(&at(*it));
                if (place[static_cast<size_t>(*it)] < place[static_cast<size_t>(firstInOrder)])
                    firstInOrder = *it;
            }
            report(firstInOrder, Severity::Error,
                   "no way to Finish: Next goes round " + cycleText(cycle) +
                       " and no page it reaches offers Finish");
        }
        for (const int32_t p : path)
            state[static_cast<size_t>(p)] = 2;
    }
    for (int32_t id = 0; id < n; ++id) {
        if (trapped(id) && at(id).next <= 0)
            report(id, Severity::Error,
                   "no way to Finish: a dead end without Next (PageNext " + std::to_string(at(id).next) +
                       ") or Finish, and Back leads to no page that offers Finish");
    }

    if (start != kNone) {
        for (int32_t id = 0; id < n; ++id) {
            if (!reached[static_cast<size_t>(id)])
                report(id, Severity::Warning,
                       "no path of Next and Back from the start page " + at(start).name + " reaches it");
        }
    }
    for (int32_t id = 0; id < n; ++id) {
        const int32_t q = next[static_cast<size_t>(id)];
        if (!reached[static_cast<size_t>(id)] || q == kNone || back[static_cast<size_t>(q)] == id ||
            at(q).back > n)
            continue;
        report(q, Severity::Warning,
               at(q).back <= 0 ? "Next on " + at(id).name + " leads here, but there is no Back (PageBack " +
                                     std::to_string(at(q).back) + ")"
                               : "Back goes to " + at(back[static_cast<size_t>(q)]).name + ", not to " +
                                     at(id).name + " whose Next leads here");
    }
    // The first page in page order whose Next leads to each page.
    std::vector<int32_t> firstFrom(nodes.size(), kNone);
    for (const int32_t id : order) {
        const int32_t q = next[static_cast<size_t>(id)];
        if (q != kNone && firstFrom[static_cast<size_t>(q)] == kNone) firstFrom[static_cast<size_t>(q)] = id;
    }
    for (int32_t id = 0; id < n; ++id) {
        const Node& node = at(id);
        if (node.mode == En_Page_Mode::WelcomePage) {
            if (firstFrom[static_cast<size_t>(id)] != kNone)
                report(id, Severity::Warning,
                       "a welcome page in the middle: Next on " +
                           at(firstFrom[static_cast<size_t>(id)]).name + " leads here");
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
    for (int32_t pos = 0; pos < n; ++pos) {
        const int32_t id = order[static_cast<size_t>(pos)];
        if (at(id).index == pos + 1) continue;
        if (pos > 0 && at(id).index == at(order[static_cast<size_t>(pos - 1)]).index)
            continue; // reported above
        report(id, Severity::Warning,
               "PageIndex " + std::to_string(at(id).index) + " stands at place " + std::to_string(pos + 1) +
                   " in page order: PageNext and PageBack count places, so pages are best numbered 1 to " +
                   std::to_string(n));
        break;
    }

    std::vector<PageGraphFinding> findings = std::move(navigatorFindings);
    for (auto& bucket : byPlace)
        for (auto& f : bucket)
            findings.push_back(std::move(f));
    return findings;
}

std::string describe(const PageGraphFinding& finding) {
    return std::string(finding.severity == Severity::Error ? "error: " : "warning: ") + finding.page + ": " +
           finding.reason;
}

} // namespace ov
