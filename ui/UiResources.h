#pragma once

/*! Registers the resources compiled into the ui library (the action icons under ":/icons/").
    The library is static, so its resource data is linked only when something refers to it; call
    this before the first icon is loaded. Further calls do nothing. */
void initUiResources();
