#include "archive/ArchiverOptions.h"

void TArchiverOptions::Reset() {
  for (TNumber* number :
       {&a,   &c,   &e,   &f,   &h,   &i,   &l,   &m,   &n,   &o,  &p,   &r,   &s,   &t,   &u,
        &x,   &y,   &z,   &jc,  &jd,  &je,  &jf,  &jh,  &ji,  &jm, &jn,  &jp,  &jr,  &jsb, &jsc,
        &jsd, &jse, &jsf, &jsl, &jso, &jss, &jst, &jsv, &jsz, &jw, &jyc, &jyd, &jyk, &jyn, &jyo,
        &ga,  &gd,  &ge,  &gf,  &gj,  &gm,  &gn,  &go,  &gp,  &gs, &gu,  &gw}) {
    *number = -1;
  }
  for (std::wstring* text : {&w, &jo, &job, &jz, &gr, &UserOptions, &UserFileList, &ResFileName}) {
    text->clear();
  }
  jx.clear();
  PackFilter = pfComponent;
  ResFileUsage = {ruOnPack, ruOnUnpack, ruOnRemoveItem};
}
