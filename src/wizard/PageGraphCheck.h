#pragma once

#include "platform/Forward.h"

#include <string>
#include <vector>

namespace ov {

// What a look at a wizard's page order finds: the way a user walks the wizard with Next and Back,
// checked without running it. Hosts call checkPageGraph from their own tests to keep a wizard sound.
struct PageGraphFinding {
    enum class Severity { Error, Warning };
    Severity severity;
    std::string page;   // the page (or navigator) concerned, by its name on the form
    std::string reason; // one line

    bool operator==(const PageGraphFinding&) const = default;
};

// The findings for the wizard on `form`: its first OvWizardNavigator and its OvWizardTab pages. Time
// and memory are linear in the number of pages.
//
// How the navigator walks, which the check follows: pages stand in page order, ascending PageIndex
// (pages of equal index in form order, as the form loads them); PageNext n and PageBack n name the page
// at place n of that order (0 or less: none); the wizard starts with the page whose PageIndex is
// StartPage. The walk counts Next and Back wherever PageNext and PageBack name a page, whether or not
// the page's own button set shows those buttons; a host's BeforePageChange may take other roads, which
// no static check sees. A page offers Finish when it shows a visible, enabled button with the Finish
// rule: with the navigator's default set, on the last page (PageNext exactly 0, where the navigator
// lays its Finish button over FinishPosition, if its FinishRule is Finish and FinishEnabled) or when a
// default-set position carries that rule; with the page's own set, when one of its positions does.
//
// Errors (the wizard cannot be walked as it stands):
//   - no OvWizardNavigator on the form; StartPage naming no PageIndex
//   - a PageNext or PageBack naming no page (greater than the number of pages)
//   - two pages with one PageIndex (both show at once)
//   - no way to Finish: a Next cycle from which no page that offers Finish can be reached (reported on
//     its first page in page order, with the cycle), or a page without Next and without Finish from
//     which none can be reached, among the pages the start page reaches
// Warnings (the wizard works, but not as its user expects):
//   - a page no Next/Back path from the start page reaches
//   - a Back that does not return where Next came from: Next on P leads to Q, and Q's PageBack is not
//     P (reported on Q, for each such P the start page reaches)
//   - a welcome page in the middle: a WelcomePage that a Next leads to or that has a Back
//   - a completion page with a Next: a CompletePage (or any mode other than welcome and interior, as
//     the captions export counts them) whose PageNext is above 0
//   - page numbers that are not 1 to N: the first page whose PageIndex differs from its place
// Findings come in page order (form order for a tie), the navigator's first; a page's own in the
// order of the list above.
std::vector<PageGraphFinding> checkPageGraph(const Form& form);

// "error: <page>: <reason>" or "warning: ...".
std::string describe(const PageGraphFinding& finding);

} // namespace ov
