#include "live/PublishedStyle.h"

QByteArray PublishedStyleSheet()
{
    return QByteArrayLiteral(R"css(/* Published tournament plan */
* { box-sizing: border-box; }
body {
  margin: 0; padding: 0 0.75rem 2rem;
  font-family: "DejaVu Sans", "Segoe UI", Roboto, Arial, sans-serif;
  font-size: 1rem; line-height: 1.45;
  color: #111; background: #fff;
}
header { border-bottom: 3px solid #0b3d91; margin-bottom: 1rem; }
h1 { font-size: 1.5rem; margin: 0.8rem 0 0.2rem; }
h2 { font-size: 1.25rem; margin: 1.6rem 0 0.5rem; color: #0b3d91; }
h3 { font-size: 1.05rem; margin: 1.1rem 0 0.35rem; }
p.status { margin: 0 0 0.6rem; color: #333; }
nav { display: flex; flex-wrap: wrap; gap: 0.5rem; margin: 0.6rem 0; }
nav a {
  display: inline-block; padding: 0.45rem 0.8rem; border-radius: 0.3rem;
  background: #0b3d91; color: #fff; text-decoration: none; font-weight: bold;
}
nav a.current { background: #111; }
main { max-width: 68rem; }
.cards { display: grid; grid-template-columns: repeat(auto-fill, minmax(16rem, 1fr)); gap: 0.75rem; }
.card { border: 2px solid #0b3d91; border-radius: 0.4rem; padding: 0.6rem 0.8rem; }
.card h2 { margin: 0 0 0.3rem; }
.card a { color: #0b3d91; }
.card ul { margin: 0.3rem 0 0; padding-left: 1.2rem; }
.state { font-weight: bold; }
.groups { display: grid; grid-template-columns: repeat(auto-fill, minmax(min(100%, 26rem), 1fr)); gap: 0 1.5rem; }
.scroll { overflow-x: auto; }
table { border-collapse: collapse; width: 100%; margin-bottom: 0.5rem; }
th, td { padding: 0.35rem 0.4rem; text-align: left; vertical-align: top; border-bottom: 1px solid #bbb; }
th { background: #e6ebf5; font-size: 0.9rem; }
td.num, th.num { text-align: right; white-space: nowrap; }
td.time { white-space: nowrap; font-weight: bold; }
td.result { white-space: nowrap; font-weight: bold; text-align: center; }
td.open { color: #666; }
.referee { display: block; font-size: 0.85rem; color: #333; }
tr.next td { background: #fff4c2; }
p.note { font-size: 0.9rem; color: #333; }
@media (max-width: 32rem) {
  body { font-size: 0.95rem; padding: 0 0.4rem 1.5rem; }
  th, td { padding: 0.3rem 0.25rem; }
}
)css");
}
