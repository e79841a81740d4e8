# Builds Sphinx's own documentation from the reStructuredText sources Debian's sphinx-doc ships.
# Its object types are declared here as the documentation expects them; no extension reaches
# the network.
import re

from sphinx import addnodes

project = 'Sphinx'
root_doc = 'index'
extensions = ['sphinx.ext.autodoc', 'sphinx.ext.doctest', 'sphinx.ext.todo', 'sphinx.ext.autosummary',
              'sphinx.ext.extlinks', 'sphinx.ext.viewcode', 'sphinx.ext.coverage',
              'sphinxcontrib.htmlhelp']
exclude_patterns = ['_build']
htmlhelp_basename = 'sphinxdoc'
autosummary_generate = False  # the documentation's examples name modules that do not exist
extlinks = {
    'duref': ('https://docutils.sourceforge.io/docs/ref/rst/restructuredtext.html#%s', '%s'),
    'durole': ('https://docutils.sourceforge.io/docs/ref/rst/roles.html#%s', '%s'),
    'dudir': ('https://docutils.sourceforge.io/docs/ref/rst/directives.html#%s', '%s'),
}
suppress_warnings = ['ref', 'toc', 'image', 'autosummary', 'autodoc', 'app']

EVENT_SIGNATURE = re.compile(r'([a-zA-Z-]+)\s*\((.*)\)')


def parse_event(env, sig, signode):
    match = EVENT_SIGNATURE.match(sig)
    if not match:
        signode += addnodes.desc_name(sig, sig)
        return sig
    name, args = match.groups()
    signode += addnodes.desc_name(name, name)
    params = addnodes.desc_parameterlist()
    for arg in args.split(','):
        params += addnodes.desc_parameter(arg.strip(), arg.strip())
    signode += params
    return name


def setup(app):
    app.add_object_type('confval', 'confval', objname='configuration value',
                        indextemplate='pair: %s; configuration value')
    app.add_object_type('event', 'event', 'pair: %s; event', parse_event)
