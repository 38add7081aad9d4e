// The look of the results screen: positions [twips], captions, colours, fonts and tab order.

#include "results/BreakTimeFive.h"

#include "screens/ScreenColors.h"

namespace tess::results {
namespace {

using forms::Align;
using forms::Color;
using forms::Font;
using forms::Rect;

using screens::LightBlue;
using screens::LightGreen;
using screens::LightOrange;
using screens::LightRed;
using screens::Red;

// Columns [twips]: row title, name, breakthrough concentration, vapor concentration, the three times.
constexpr int TitleLeft = 120, TitleWidth = 840;
constexpr int NameLeft = 1020, NameWidth = 2340;
constexpr int BkConcLeft = 3480, ConcWidth = 1320;
constexpr int ConcLeft = 4920;
constexpr int TimeLeft = 6480, TimeWidth = 900, TimeGap = 180;
constexpr int FrameLeft = 6360, FrameRight = 9660;
constexpr int FormWidth = 9780;

// Rows [twips]: the five vapor rows are evenly spaced.
constexpr int FrameTop = 480;
constexpr int HeaderTop = 900;
constexpr int RowTop = 2040, RowPitch = 480, RowHeight = 315;
constexpr int FrameBottom = RowTop + 5 * RowPitch;  // under row 5
constexpr int ConditionTop = FrameBottom + 240, ConditionPitch = 480;
constexpr int ButtonTop = ConditionTop + 2 * ConditionPitch + 120, ButtonWidth = 1140, ButtonHeight = 615;
constexpr int FormHeight = ButtonTop + ButtonHeight + 180;

int timeColumn(int column) { return TimeLeft + column * (TimeWidth + TimeGap); }

void placeLabel(forms::Label& label, const std::string& caption, Rect rect, Align align = Align::Left) {
  label.setCaption(caption);
  label.setGeometry(rect);
  label.setAlignment(align);
}

}  // namespace

void BreakTimeFive::layOut() {
  setCaption("Vapor Mixture Breakthrough Results");
  setClientSize(FormWidth, FormHeight);
  setFont(Font{"MS Sans Serif", 8.25, true});

  // Cartridge in use, top left.
  placeLabel(Label2, "Organic Vapor Cartridge", Rect{TitleLeft, 150, 2040, 255});
  CartName.setGeometry(Rect{2220, 120, 3600, 315});
  CartName.setBackColor(LightGreen);

  // Title and header of the three time columns, top right.
  placeLabel(Label5, "Calculated Results", Rect{FrameLeft + 60, FrameTop + 60, FrameRight - FrameLeft - 120, 330},
             Align::Center);
  Label5.setFont(Font{"MS Sans Serif", 12, true});
  Text25.setMultiLine(true);
  Text25.setBorder(false);
  Text25.setLocked(true);
  Text25.setFont(Font{"MS Sans Serif", 9.75, true});
  Text25.setGeometry(Rect{FrameLeft + 60, HeaderTop, FrameRight - FrameLeft - 120, 960});
  Text25.setInitialText(
      "   Breakthrough Times (min)    \r\n"
      "                               Range\r\n"
      "Estimated       Min          Max\r\n");

  // Column headers.
  placeLabel(Label3, "Organic Vapors", Rect{NameLeft, RowTop - 330, NameWidth, 255}, Align::Center);
  placeLabel(Label1, "Breakthrough Concentrations (ppm)", Rect{BkConcLeft, RowTop - 720, ConcWidth, 660},
             Align::Center);
  placeLabel(Label4, "Vapor Concentrations (ppm)", Rect{ConcLeft, RowTop - 720, ConcWidth, 660}, Align::Center);

  // The five rows.
  forms::Label* rowTitles[] = {&Label7, &Label8, &Label9, &Label10, &Label11};
  for (int i = 1; i <= MaxVapors; ++i) {
    const int top = RowTop + (i - 1) * RowPitch;
    placeLabel(*rowTitles[i - 1], "Vapor #" + std::to_string(i), Rect{TitleLeft, top + 30, TitleWidth, 255});

    VapNm[i].setCaption(std::string(NoneSelected));
    VapNm[i].setGeometry(Rect{NameLeft, top, NameWidth, RowHeight});
    VapNm[i].setBackColor(LightBlue);
    VapNm[i].setBorder(true);
    VapNm[i].setWordWrap(false);

    VapBkConc[i].setGeometry(Rect{BkConcLeft, top, ConcWidth, RowHeight});
    VapBkConc[i].setBackColor(LightOrange);
    VapBkConc[i].setAlignment(Align::Right);

    VapConc[i].setGeometry(Rect{ConcLeft, top, ConcWidth, RowHeight});
    VapConc[i].setBackColor(LightBlue);
    VapConc[i].setAlignment(Align::Right);

    forms::Label* times[] = {&BkT[i], &BkTMin[i], &BkTMax[i]};
    for (int column = 0; column < 3; ++column) {
      times[column]->setGeometry(Rect{timeColumn(column), top, TimeWidth, RowHeight});
      times[column]->setBackColor(LightOrange);
      times[column]->setBorder(true);
      times[column]->setAlignment(Align::Center);
    }
  }

  // Frame round the time columns (top, left, right), the line under "Range" over the low and high
  // columns, a line under the column headers, and the line across the screen under row 5.
  Line1.setPoints(FrameLeft, FrameTop, FrameRight, FrameTop);
  Line2.setPoints(FrameLeft, FrameTop, FrameLeft, FrameBottom);
  Line3.setPoints(FrameRight, FrameTop, FrameRight, FrameBottom);
  Line4.setPoints(0, FrameBottom, FormWidth, FrameBottom);
  Line5.setPoints(timeColumn(1), HeaderTop + 480, timeColumn(2) + TimeWidth, HeaderTop + 480);
  Line6.setPoints(FrameLeft, RowTop - 90, FrameRight, RowTop - 90);

  // Use conditions in two columns, each box right of its caption.
  struct Condition {
    forms::Label* caption;
    const char* text;
    forms::TextBox* box;
    int left;
    int top;
  };
  const Condition conditions[] = {
      {&Label12, "Temperature (oC)", &Temperature, TitleLeft, ConditionTop},
      {&Label13, "Atmospheric Pressure (atm)", &AtmPressure, TitleLeft, ConditionTop + ConditionPitch},
      {&Label16, "Average Air Flow (L/min)", &AirFlowVol, 4680, ConditionTop},
      {&Label15, "Use Relative Humidity (%)", &RelHumid, 4680, ConditionTop + ConditionPitch},
  };
  for (const Condition& c : conditions) {
    placeLabel(*c.caption, c.text, Rect{c.left, c.top + 30, 2580, 255}, Align::Right);
    c.box->setGeometry(Rect{c.left + 2700, c.top, 1020, RowHeight});
    c.box->setBackColor(LightRed);
    c.box->setAlignment(Align::Right);
  }

  // The four buttons in one row at the bottom right.
  struct ButtonSpec {
    forms::Button* button;
    const char* caption;
    Color color;
  };
  const ButtonSpec buttons[] = {
      {&cmdCalc, "  Calculate    Results", LightOrange},
      {&cmdData, "   Return to  Data Inputs", LightOrange},
      {&cmdPrint, "Print this Window", LightOrange},
      {&cmdExit, "      Exit        Program", Red},
  };
  int left = FrameRight - 4 * ButtonWidth - 3 * 120;
  for (const ButtonSpec& b : buttons) {
    b.button->setCaption(b.caption);
    b.button->setBackColor(b.color);
    b.button->setGeometry(Rect{left, ButtonTop, ButtonWidth, ButtonHeight});
    left += ButtonWidth + 120;
  }

  // Tab order.
  int tab = 0;
  VapBkConc[1].setTabIndex(tab++);
  for (forms::Control* c : std::initializer_list<forms::Control*>{
           &cmdCalc, &cmdData, &cmdPrint, &cmdExit, &Temperature, &AtmPressure, &AirFlowVol, &RelHumid, &CartName})
    c->setTabIndex(tab++);
  for (int i = 1; i <= MaxVapors; ++i) VapConc[i].setTabIndex(tab++);
  Text25.setTabIndex(tab++);
  for (int i = MaxVapors; i >= 2; --i) VapBkConc[i].setTabIndex(tab++);
}

}  // namespace tess::results
