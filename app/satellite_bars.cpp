// SPDX-License-Identifier: MIT
#include "app/satellite_bars.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>
#include <algorithm>

#include "app/satellite_bar.h"

namespace kestrune {

SatelliteBars::SatelliteBars(QWidget* parent) : QWidget(parent), summary(new QLabel(this)) {
  summary->setObjectName("satelliteSummary");
  summary->setTextFormat(Qt::PlainText);  // as every label of the monitor: never read as markup
  auto* row = new QHBoxLayout;
  row->setSpacing(0);
  for (int i = 0; i < kMostBars; ++i) {
    bars_ << new SatelliteBar(this);
    bars_.back()->hide();
    row->addWidget(bars_.back());
  }
  row->addStretch();
  auto* column = new QVBoxLayout(this);
  column->setSpacing(2);
  column->addWidget(summary);
  column->addLayout(row);
  // Each bar's place is kept while it is hidden: the window keeps its size as satellites come and go.
  for (SatelliteBar* bar : bars_) {
    QSizePolicy policy = bar->sizePolicy();
    policy.setRetainSizeWhenHidden(true);
    bar->setSizePolicy(policy);
  }
}

void SatelliteBars::setSatellites(const QList<SatelliteSignal>& satellites) {
  satellites_ = satellites;
  heard_ = true;
  refresh();
}

void SatelliteBars::setUsed(const QList<int>& used) {
  used_ = used;
  refresh();
}

QList<SatelliteBar*> SatelliteBars::shownBars() const {
  return bars_.mid(0, std::min<qsizetype>(satellites_.size(), kMostBars));
}

void SatelliteBars::refresh() {
  if (!heard_) return;
  const auto isUsed = [this](const SatelliteSignal& satellite) { return used_.contains(satellite.satellite); };
  for (qsizetype i = 0; i < bars_.size(); ++i) {
    const bool shown = i < satellites_.size();
    bars_[i]->setVisible(shown);
    if (shown) bars_[i]->setReading(satellites_[i], isUsed(satellites_[i]));
  }
  const auto used = std::count_if(satellites_.begin(), satellites_.end(), isUsed);
  summary->setText(tr("Tracked: %1, used in the fix: %2").arg(satellites_.size()).arg(used));
}

}  // namespace kestrune
