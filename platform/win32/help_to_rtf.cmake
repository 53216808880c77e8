# Converts the help page (res/help/contents.html: h1, h2, p, ul/li, b, code,
# a) into rich text for the help window, with the paragraphs of Windows (see
# cmake/help_page.cmake): the title, then the rest in the page's order;
# headings bold and larger, names of entries in a fixed-width font, links
# underlined in the colour of links (the help window makes them links to
# their sections; no other text is underlined).
include(${CMAKE_CURRENT_LIST_DIR}/../../cmake/help_page.cmake)

function(kalvex_help_to_rtf html_file rtf_file)
  kalvex_help_page(${html_file} windows page)
  string(REGEX MATCH "<title>([^<]*)</title>" _ "${page}")
  set(title "${CMAKE_MATCH_1}")
  string(REGEX REPLACE ".*<body>(.*)</body>.*" "\\1" body "${page}")
  string(STRIP "${body}" body)

  # The help window finds a link's section by its heading: each link reads
  # as the heading it names.
  string(REGEX MATCHALL "<a href=\"#[^\"]*\">[^<]*</a>" links "${body}")
  foreach(link IN LISTS links)
    string(REGEX MATCH "<a href=\"#([^\"]*)\">([^<]*)</a>" _ "${link}")
    string(FIND "${body}" "<h2><a name=\"${CMAKE_MATCH_1}\"></a>${CMAKE_MATCH_2}</h2>" heading)
    if(heading EQUAL -1)
      message(FATAL_ERROR "${html_file}: ${link} does not read as the heading it names")
    endif()
  endforeach()

  string(REPLACE "\\" "\\\\" body "${body}")
  string(REPLACE "{" "\\{" body "${body}")
  string(REPLACE "}" "\\}" body "${body}")
  string(REGEX REPLACE "<a name=\"[^\"]*\"></a>" "" body "${body}")
  string(REGEX REPLACE "<a href=\"[^\"]*\">([^<]*)</a>" "{\\\\cf1\\\\ul \\1}" body "${body}")
  string(REGEX REPLACE "(</p>|</h1>|</h2>|</li>|<ul>|</ul>)[ \t\r\n]+" "\\1" body "${body}")
  string(REGEX REPLACE "[ \t\r\n]+" " " body "${body}")
  string(REGEX REPLACE "<h1>([^<]*)</h1>" "{\\\\pard\\\\sa160\\\\b\\\\fs32 \\1\\\\par}" body "${body}")
  string(REGEX REPLACE "<h2>([^<]*)</h2>" "{\\\\pard\\\\sb240\\\\sa80\\\\b\\\\fs24 \\1\\\\par}" body "${body}")
  string(REPLACE "<p>" "{\\pard\\sa120 " body "${body}")
  string(REPLACE "<li>" "{\\pard\\li360\\fi-240\\tx360\\sa40\\bullet\\tab " body "${body}")
  string(REGEX REPLACE "</p>|</li>" "\\\\par}" body "${body}")
  string(REGEX REPLACE "</?ul>" "" body "${body}")
  string(REPLACE "<b>" "{\\b " body "${body}")
  string(REPLACE "<code>" "{\\f1 " body "${body}")
  string(REGEX REPLACE "</b>|</code>" "}" body "${body}")
  if(body MATCHES "<[a-zA-Z/]")
    message(FATAL_ERROR "${html_file}: a tag the help window cannot show: ${CMAKE_MATCH_0}")
  endif()
  # The rich text is written as ASCII: a letter beyond it would need an
  # escape of its own, so the page must not hold one.
  string(REGEX MATCH "[!-~]*[^\t\n\r -~]+[!-~]*" other "${body}")
  if(other)
    message(FATAL_ERROR "${html_file}: a character beyond ASCII, which the help window cannot show: ${other}")
  endif()
  string(REPLACE "&lt;" "<" body "${body}")
  string(REPLACE "&gt;" ">" body "${body}")
  string(REPLACE "&quot;" "\"" body "${body}")
  string(REPLACE "&amp;" "&" body "${body}")

  file(WRITE ${rtf_file}
    "{\\rtf1\\ansi\\deff0{\\fonttbl{\\f0\\fswiss Segoe UI;}{\\f1\\fmodern Courier New;}}"
    "{\\colortbl ;\\red0\\green102\\blue204;}"
    "{\\info{\\title ${title}}}\\fs18\n${body}\n}\n")
endfunction()
